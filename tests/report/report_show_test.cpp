#include "report/fr_emf_pages.h"
#include "report/fr_memo_view.h"
#include "report/fr_pages.h"
#include "report/fr_report.h"
#include "report/fr_report_preview.h"
#include "report/fr_view_form.h"
#include "template_test_support.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
void AddPages(TfrReport& report, int count)
{
    for (int i = 0; i < count; ++i) {
        TfrPage page(frA4Paper, 0, 0, frPortrait);
        report.EMFPages.Add(page);
    }
}

TfrPreviewForm* ShownPreview()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "frPreviewForm" && w->isVisible())
            return qobject_cast<TfrPreviewForm*>(w);
    return nullptr;
}

class ReportShowing : public VirtualPrinterTest {
protected:
    void SetUp() override
    {
        VirtualPrinterTest::SetUp();
        frRememberedScale = 1.0;
        frRememberedZoom = 0;
        owner = std::make_unique<QWidget>();
        report = new TfrReport(owner.get());
        report->ModalPreview = false;
    }
    void TearDown() override
    {
        owner.reset();  // takes the report and any window it opened
        VirtualPrinterTest::TearDown();
    }
    std::unique_ptr<QWidget> owner;
    TfrReport* report = nullptr;
};
}  // namespace

TEST_F(ReportShowing, ThePreviewTakesThePagesUnderTheReportsTitle)
{
    AddPages(*report, 1);  // no title, no dash
    report->ShowPreparedReport();
    ASSERT_NE(ShownPreview(), nullptr);
    EXPECT_EQ(ShownPreview()->windowTitle(), "Preview");
    ShownPreview()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    AddPages(*report, 3);
    report->Title = "Dorvan Rapor Önizleme - Deneme";
    report->ShowPreparedReport();
    TfrPreviewForm* form = ShownPreview();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), "Preview - Dorvan Rapor Önizleme - Deneme");
    EXPECT_EQ(form->Label1->text(), "Page 1/3");
    ASSERT_NE(form->EMFPages, nullptr);
    EXPECT_EQ(form->EMFPages->Count(), 3);
    EXPECT_EQ(report->EMFPages.Count(), 0);
    // no printer on this machine: nothing to print with
    if (frPrinterObject().VirtualPrinterIndex == 0) {
        EXPECT_FALSE(form->PrintBtnXP->isEnabled());
    }
    QPointer<TfrPreviewForm> closing(form);
    form->ExitBtnXP->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closing.isNull());
    EXPECT_EQ(report->EMFPages.Count(), 0);
}

TEST_F(ReportShowing, AModalPreviewReturnsOnceClosed)
{
    AddPages(*report, 2);
    report->ModalPreview = true;
    QString label;
    QTimer::singleShot(0, [&label] {
        TfrPreviewForm* form = ShownPreview();
        ASSERT_NE(form, nullptr);
        label = form->Label1->text();
        form->ExitBtnXP->click();
    });
    report->ShowPreparedReport();
    EXPECT_EQ(label, "Page 1/2");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(ShownPreview(), nullptr);
}

TEST_F(ReportShowing, PagesLentToTheWindowComeBackWhole)
{
    AddPages(*report, 2);
    TfrReportPreview* host = TfrReportPreview::For(report);
    EXPECT_EQ(TfrReportPreview::For(report), host);
    std::unique_ptr<TfrPreviewPages> held = host->TakePreparedPages();
    EXPECT_EQ(held->Count(), 2);
    EXPECT_EQ(report->EMFPages.Count(), 0);
    EXPECT_EQ(held->PageInfo(1).PageWidth, 752);
    EXPECT_TRUE(held->ApplyMargins(0));
    AddPages(*report, 1);  // a list the report made meanwhile gives way
    host->ReturnPreparedPages(std::move(held));
    EXPECT_EQ(report->EMFPages.Count(), 2);
}

TEST_F(ReportShowing, NoPagesNoWindow)
{
    report->ShowPreparedReport();
    EXPECT_EQ(ShownPreview(), nullptr);
    EXPECT_EQ(frMasterReport, report);
    report->ShowProgress = false;
    report->ShowReport();  // a report that builds no page
    EXPECT_EQ(report->EMFPages.Count(), 0);
    EXPECT_EQ(ShownPreview(), nullptr);
    EXPECT_TRUE(TestDialogs().shown.empty());
}

// A preview panel placed on a form: a report whose Preview it is shows its pages there, not in a window.
TEST_F(ReportShowing, ReportShowsItsPagesInThePanelOnItsForm)
{
    owner->resize(900, 700);
    auto* panel = new TfrPreview(owner.get());
    panel->resize(800, 600);
    report->Preview = panel;
    report->Title = "Deneme";
    owner->show();
    AddPages(*report, 3);
    report->ShowPreparedReport();
    ASSERT_NE(panel->Window, nullptr);
    EXPECT_EQ(ShownPreview(), nullptr);
    EXPECT_FALSE(panel->Window->isWindow());
    EXPECT_TRUE(panel->Window->isVisible());
    EXPECT_EQ(panel->windowTitle(), "Preview - Deneme");
    ASSERT_TRUE(panel->Window->EMFPages);
    EXPECT_EQ(panel->Window->EMFPages->Count(), 3);
    EXPECT_EQ(report->EMFPages.Count(), 0);  // the panel holds them, as a window would
    EXPECT_EQ(panel->Window->Label1->text(), "Page 1/3");
    // showing again replaces what the panel showed
    AddPages(*report, 2);
    report->ShowPreparedReport();
    ASSERT_NE(panel->Window, nullptr);
    EXPECT_EQ(panel->Window->EMFPages->Count(), 2);
    EXPECT_EQ(panel->findChildren<TfrPreviewForm*>().size(), 1);
    // its Exit empties the panel; without a panel the report opens the window again
    panel->Window->ExitBtnXP->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(panel->Window, nullptr);
    delete panel;
    EXPECT_EQ(report->Preview, nullptr);
    AddPages(*report, 1);
    report->ShowPreparedReport();
    EXPECT_NE(ShownPreview(), nullptr);
}
