// A preview panel placed on a form: a report whose Preview it is shows its pages there, not in a window.
#include "report/fr_emf_pages.h"
#include "report/fr_pages.h"
#include "report/fr_report.h"
#include "report/fr_view_form.h"
#include "template_test_support.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

void AddPages(TfrReport& report, int count)
{
    for (int i = 0; i < count; ++i) {
        TfrPage page(frA4Paper, 0, 0, frPortrait);
        report.EMFPages.Add(page);
    }
}

bool AnyPreviewWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == "frPreviewForm" && w->isVisible())
            return true;
    }
    return false;
}

class PreviewPanel : public VirtualPrinterTest {
protected:
    void TearDown() override
    {
        form.reset();
        VirtualPrinterTest::TearDown();
    }
    std::unique_ptr<QWidget> form = std::make_unique<QWidget>();
};

}  // namespace

TEST_F(PreviewPanel, ReportShowsItsPagesInThePanelOnItsForm)
{
    form->resize(900, 700);
    auto* panel = new TfrPreview(form.get());
    panel->resize(800, 600);
    auto* report = new TfrReport(form.get());
    report->Preview = panel;
    report->Title = "Deneme";
    form->show();

    AddPages(*report, 3);
    report->ShowPreparedReport();
    ASSERT_NE(panel->Window, nullptr);
    EXPECT_FALSE(AnyPreviewWindow());
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
    report->ModalPreview = false;
    AddPages(*report, 1);
    report->ShowPreparedReport();
    EXPECT_TRUE(AnyPreviewWindow());
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == "frPreviewForm")
            w->close();
    }
}
