#include "report/fr_band_view.h"
#include "report/fr_memo_view.h"
#include "report/fr_report.h"
#include "report/fr_rich.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace {
struct Placed {
    const char* name;
    int x, y, dx, dy;
};

class ReportComponents : public MainWindowTest {};
}  // namespace

TEST_F(ReportComponents, LoadTheirTemplatesAtStartUp)
{
    EXPECT_TRUE(TestDialogs().shown.empty());
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
        // the names the calculators fill, as they write them
        EXPECT_NE(dynamic_cast<TfrMemoView*>(report->FindObject("memo1")), nullptr);
        EXPECT_NE(dynamic_cast<TfrMemoView*>(report->FindObject("Memo5")), nullptr);
        EXPECT_NE(dynamic_cast<TfrRichView*>(report->FindObject("rich1")), nullptr);
        auto* date = dynamic_cast<TfrMemoView*>(report->FindObject("Memo3"));
        ASSERT_NE(date, nullptr);
        EXPECT_EQ(date->Memo.ToQStringList(), QStringList({"[DATE]"}));
        EXPECT_EQ(date->FormatStr, "dd.mm.yyyy");
        auto* page = dynamic_cast<TfrMemoView*>(report->FindObject("Memo4"));
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->Memo.ToQStringList(), QStringList({"Sayfa [PAGE#]"}));
        auto* title = dynamic_cast<TfrMemoView*>(report->FindObject("Memo5"));
        EXPECT_EQ(title->Font.Name, "Times New Roman Tur");
        EXPECT_EQ(title->Font.Size, 12);
        EXPECT_EQ(title->Font.Style, 2);
    }
    EXPECT_NE(form_->findChild<TfrRichObject*>("frRichObject1"), nullptr);
    EXPECT_EQ(form_->frReport2->Pages.Pages(0).Orientation, 0);
    EXPECT_EQ(form_->frReport2->FindObject("Memo6"), nullptr);
}

TEST_F(ReportComponents, PayrollTemplateIsLandscapeA4WithItsGeometry)
{
    const TfrReport& report = *form_->frReport3;
    const TfrPage& page = report.Pages.Pages(0);
    EXPECT_EQ(page.Orientation, 1);
    EXPECT_EQ(page.Width, 2970);
    EXPECT_EQ(page.Height, 2100);
    const Placed views[] = {
        {"Memo5", 40, 48, 980, 18},   {"Memo7", 40, 68, 980, 18},    {"Memo3", 870, 110, 148, 18},
        {"Memo1", 40, 132, 980, 18},  {"Memo6", 40, 152, 980, 18},   {"Rich1", 40, 190, 980, 422},
        {"Memo2", 40, 668, 876, 22},  {"Memo4", 916, 668, 104, 22},
    };
    for (const Placed& p : views) {
        const TfrView* v = report.FindObject(p.name);
        ASSERT_NE(v, nullptr) << p.name;
        EXPECT_EQ((std::array{v->x, v->y, v->dx, v->dy}), (std::array{p.x, p.y, p.dx, p.dy})) << p.name;
    }
    const struct {
        const char* name;
        int type, top, height;
    } bands[] = {{"ReportTitle1", 0, 44, 48}, {"PageHeader1", 2, 108, 64}, {"ReportSummary1", 1, 188, 430},
                 {"PageFooter1", 3, 664, 28}};
    for (const auto& b : bands) {
        auto* band = dynamic_cast<const TfrBandView*>(report.FindObject(b.name));
        ASSERT_NE(band, nullptr) << b.name;
        EXPECT_EQ(band->BandType(), b.type) << b.name;
        EXPECT_EQ(band->y, b.top) << b.name;
        EXPECT_EQ(band->dy, b.height) << b.name;
    }
}
