#include "report/fr_band_view.h"
#include "report/fr_composite_report.h"
#include "report/fr_memo_view.h"
#include "report/fr_report.h"
#include "report/fr_rich.h"
#include "golden.h"
#include "test_support.h"

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

TEST_F(ReportComponents, TheWindowOwnsFiveReportsAndTheCompositeReportByName)
{
    EXPECT_TRUE(TestDialogs().shown.empty());
    const std::pair<const char*, TfrReport*> reports[] = {
        {"frReport1", form_->frReport1}, {"frReport2", form_->frReport2}, {"frReport3", form_->frReport3},
        {"frReport4", form_->frReport4}, {"frReport5", form_->frReport5}, {"frCompositeReport1", form_->frCompositeReport1}};
    for (const auto& [name, field] : reports) {
        auto* report = form_->findChild<TfrReport*>(name);
        ASSERT_NE(report, nullptr) << name;
        EXPECT_EQ(report, field) << name;
        EXPECT_TRUE(report->StoreInDFM) << name;
        EXPECT_EQ(report->ReportType, rtMultiple) << name;
        EXPECT_EQ(report->PreviewButtons, frAllPreviewButtons) << name;
        EXPECT_EQ(report->Title, report == form_->frCompositeReport1 ? "" : "Dorvan Rapor Önizleme ") << name;
        // only the calculators' two reports hold a template; the others read an empty one
        const bool calculators = report == form_->frReport2 || report == form_->frReport3;
        EXPECT_EQ(report->Pages.Count(), calculators ? 1 : 0) << name;
    }
    EXPECT_NE(qobject_cast<TfrCompositeReport*>(form_->findChild<TfrReport*>("frCompositeReport1")), nullptr);
}

// The payroll template's page, views (x y width height) and bands (type y height), as laid out.
TEST_F(ReportComponents, PayrollTemplateIsLandscapeA4WithItsGeometry)
{
    const TfrReport& report = *form_->frReport3;
    QStringList layout{QString("page %1 %2").arg(report.Pages.Pages(0).Width).arg(report.Pages.Pages(0).Height)};
    for (const char* name : {"Memo5", "Memo7", "Memo3", "Memo1", "Memo6", "Rich1", "Memo2", "Memo4", "ReportTitle1",
                             "PageHeader1", "ReportSummary1", "PageFooter1"}) {
        const TfrView* v = report.FindObject(name);
        ASSERT_NE(v, nullptr) << name;
        if (auto* band = dynamic_cast<const TfrBandView*>(v))
            layout << QString("%1 %2 %3 %4").arg(name).arg(int(band->BandType())).arg(v->y).arg(v->dy);
        else
            layout << QString("%1 %2 %3 %4 %5").arg(name).arg(v->x).arg(v->y).arg(v->dx).arg(v->dy);
    }
    ExpectGolden("payroll/template_layout.txt", layout);
}
}  // namespace
