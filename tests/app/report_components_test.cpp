#include "report/fr_band_view.h"
#include "report/fr_memo_view.h"
#include "report/fr_report.h"
#include "report/fr_rich.h"
#include "test_support.h"

#include <array>

namespace {
class ReportComponents : public MainWindowTest {};

TEST_F(ReportComponents, LoadTheirTemplatesAtStartUpWithTheViewsTheCalculatorsFill)
{
    EXPECT_TRUE(TestDialogs().shown.empty());
    EXPECT_NE(form_->findChild<TfrRichObject*>("frRichObject1"), nullptr);
    for (TfrReport* report : {form_->frReport2, form_->frReport3}) {
        ASSERT_NE(report, nullptr);
        EXPECT_EQ(form_->findChild<TfrReport*>(report->objectName()), report);
        EXPECT_EQ(report->Title, "Dorvan Rapor Önizleme ");
        EXPECT_EQ(report->ReportType, rtMultiple);
        EXPECT_EQ(report->PreviewButtons, frAllPreviewButtons);
        EXPECT_EQ(report->InitialZoom, pzDefault);
        EXPECT_EQ(report->PrepareTwice, 0);
        ASSERT_EQ(report->Pages.Count(), 1);
        EXPECT_EQ(report->Pages.Pages(0).PaperSize, 9);
        EXPECT_EQ(report->Pages.Pages(0).Orientation, report == form_->frReport3 ? 1 : 0);
        // the names the calculators fill, as they write them
        EXPECT_NE(dynamic_cast<TfrMemoView*>(report->FindObject("memo1")), nullptr);
        EXPECT_NE(dynamic_cast<TfrRichView*>(report->FindObject("rich1")), nullptr);
        const std::pair<const char*, const char*> memos[] = {{"Memo3", "[DATE]"}, {"Memo4", "Sayfa [PAGE#]"}};
        for (const auto& [name, text] : memos) {
            auto* memo = dynamic_cast<TfrMemoView*>(report->FindObject(name));
            ASSERT_NE(memo, nullptr) << name;
            EXPECT_EQ(memo->Memo.ToQStringList(), QStringList({text})) << name;
        }
        EXPECT_EQ(dynamic_cast<TfrMemoView*>(report->FindObject("Memo3"))->FormatStr, "dd.mm.yyyy");
        auto* title = dynamic_cast<TfrMemoView*>(report->FindObject("Memo5"));
        ASSERT_NE(title, nullptr);
        EXPECT_EQ(title->Font.Name, "Times New Roman Tur");
        EXPECT_EQ(title->Font.Size, 12);
        EXPECT_EQ(title->Font.Style, 2);
    }
    EXPECT_EQ(form_->frReport2->FindObject("Memo6"), nullptr);
}

TEST_F(ReportComponents, PayrollTemplateIsLandscapeA4WithItsGeometry)
{
    const TfrReport& report = *form_->frReport3;
    EXPECT_EQ(report.Pages.Pages(0).Width, 2970);
    EXPECT_EQ(report.Pages.Pages(0).Height, 2100);
    const std::pair<const char*, std::array<int, 4>> views[] = {
        {"Memo5", {40, 48, 980, 18}},  {"Memo7", {40, 68, 980, 18}},  {"Memo3", {870, 110, 148, 18}},
        {"Memo1", {40, 132, 980, 18}}, {"Memo6", {40, 152, 980, 18}}, {"Rich1", {40, 190, 980, 422}},
        {"Memo2", {40, 668, 876, 22}}, {"Memo4", {916, 668, 104, 22}},
    };
    for (const auto& [name, place] : views) {
        const TfrView* v = report.FindObject(name);
        ASSERT_NE(v, nullptr) << name;
        EXPECT_EQ((std::array{v->x, v->y, v->dx, v->dy}), place) << name;
    }
    const std::pair<const char*, std::array<int, 3>> bands[] = {
        {"ReportTitle1", {0, 44, 48}}, {"PageHeader1", {2, 108, 64}}, {"ReportSummary1", {1, 188, 430}},
        {"PageFooter1", {3, 664, 28}}};
    for (const auto& [name, band] : bands) {
        auto* view = dynamic_cast<const TfrBandView*>(report.FindObject(name));
        ASSERT_NE(view, nullptr) << name;
        EXPECT_EQ((std::array{static_cast<int>(view->BandType()), view->y, view->dy}), band) << name;
    }
}
}  // namespace
