#include "report/fr_page_list.h"
#include "report/fr_prdlg.h"
#include "report/fr_progr.h"

#include "base/exceptions.h"
#include "report/fr_ctrls.h"
#include "report/fr_prntr.h"
#include "report/fr_report.h"
#include "case_table.h"
#include "input_support.h"
#include "test_support.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
// A printer object with two stand-in printers before the virtual entry.
TfrPrinter TwoPrinters(int selected)
{
    TfrPrinter p;
    p.AttachPrinter(nullptr);
    p.Printers = QStringList{"Lazer", "Mürekkep", QString()};
    p.VirtualPrinterIndex = 2;
    p.PrinterIndex = selected;
    return p;
}
}  // namespace

TEST(PrintPageList, ListsAndRanges)
{
    for (const CaseLine& c : ReadCases("report/page_lists.tsv", 2)) {
        QStringList pages;
        try {
            const TfrPageList list = TfrPageList::Parse(c[0]);
            for (int i = 1; i <= 20; ++i)
                if (list.Contains(i))
                    pages << QString::number(i);
        } catch (const EConvertError&) {
            pages << "!";
        }
        EXPECT_EQ(pages.join(' '), c[1]) << c.where.toStdString();
    }
    EXPECT_TRUE(TfrPageList::Parse("").AllPages());
    EXPECT_TRUE(TfrPageList::Parse("   ").AllPages());
    EXPECT_TRUE(TfrPageList::Parse("  ").Contains(12345));
    EXPECT_FALSE(TfrPageList::Parse("1").AllPages());
    const TfrPageList list = TfrPageList::Parse("2-2000000000");  // a huge range is not spelled out
    EXPECT_FALSE(list.Contains(1));
    EXPECT_TRUE(list.Contains(1999999999));
}

class PrintFormTest : public WorkingFolderTest {};

TEST_F(PrintFormTest, CaptionsFromTheStringTable)
{
    TfrPrinter printer = TwoPrinters(0);
    TfrPrintForm form(printer);
    EXPECT_EQ(QStringList({form.windowTitle(), form.GroupBox2->title(), form.RB3->text(), form.Label2->text(),
                           form.Button2->text(), form.E1->text()}),
              QStringList({"Print", "Page range", "&Numbers:",
                           "Enter page numbers and/or page ranges, separated by commas. For example, 1,3,5-12",
                           "Cancel", "1"}));
    EXPECT_TRUE(form.RB1->isChecked());
    ASSERT_EQ(form.CB1->count(), 2);  // the virtual printer is not offered
    EXPECT_EQ(form.CB1->itemText(1), "Mürekkep");
    EXPECT_EQ(form.findChild<QComboBox*>("CB1"), form.CB1);
}

TEST_F(PrintFormTest, CopiesArrows)
{
    TfrPrinter printer = TwoPrinters(0);
    TfrPrintForm form(printer);
    // down, up, up and down again, then down from a negative count: never below one
    QStringList seen;
    for (TfrSpeedButton* arrow : {form.frSpeedButton2, form.frSpeedButton1, form.frSpeedButton1, form.frSpeedButton2}) {
        arrow->Click();
        seen << form.E1->text();
    }
    form.E1->setText("-4");
    form.frSpeedButton2->Click();
    EXPECT_EQ(seen << form.E1->text(), QStringList({"1", "2", "3", "2", "1"}));
    TestDialogs().Reset();
    form.E1->setText("iki");
    form.frSpeedButton1->Click();  // the conversion error is shown, the text stays
    EXPECT_EQ(form.E1->text(), "iki");
    ASSERT_EQ(TestDialogs().shown.size(), 1U);
    EXPECT_TRUE(TestDialogs().shown[0].text.contains("iki"));
}

TEST_F(PrintFormTest, ClickIntoPageNumbersSelectsTheNumbersOption)
{
    TfrPrinter printer = TwoPrinters(0);
    TfrPrintForm form(printer);
    SendMouse(form.E2, QEvent::MouseButtonPress, {3, 3});
    EXPECT_TRUE(form.RB3->isChecked() && !form.RB1->isChecked());
}

TEST_F(PrintFormTest, PrinterChoiceIsAppliedAtOnceAndUndoneUnlessOk)
{
    struct Case {
        const char* name;
        int selectedBefore;
        bool ok;
        int expected;
    };
    for (const Case c : {Case{"cancel", 0, false, 0}, Case{"ok", 0, true, 1},
                         Case{"cancel from the virtual printer", 2, false, 2}}) {
        TfrPrinter printer = TwoPrinters(c.selectedBefore);
        TfrPrintForm form(printer);
        form.CB1->setCurrentIndex(1);
        emit form.CB1->activated(1);
        EXPECT_EQ(printer.PrinterIndex, 1) << c.name;
        if (c.ok)
            form.Button1->click();
        else
            form.Button2->click();
        EXPECT_EQ(printer.PrinterIndex, c.expected) << c.name;
        EXPECT_EQ(form.result(), c.ok ? QDialog::Accepted : QDialog::Rejected) << c.name;
    }
}

TEST_F(PrintFormTest, OldIndexIsTheSystemPrintersIndex)
{
    TfrPrinter onReal = TwoPrinters(1);
    EXPECT_EQ(TfrPrintForm(onReal).OldIndex, 1);
    TfrPrinter onVirtual = TwoPrinters(2);  // no system printer behind this object
    TfrPrintForm form(onVirtual);
    EXPECT_EQ(form.OldIndex, -1);
    EXPECT_EQ(form.CB1->currentIndex(), -1);
}

class ProgressFormTest : public WorkingFolderTest {};

TEST_F(ProgressFormTest, CancelDuringTheWorkStopsItAtItsNextCheck)
{
    for (const bool byEsc : {false, true}) {
        TfrReport report;
        TfrProgressForm form;
        EXPECT_EQ(form.Button1->text(), "Cancel");
        int pages = 0;
        form.OnShownWork = [&](TfrProgressForm* sender) {
            for (; pages < 100000 && !sender->WorkReport->Terminated; ++pages) {
                if (pages == 3) {
                    // the user presses Cancel while page 4 is made
                    QTimer::singleShot(0, sender, [sender, byEsc] {
                        if (byEsc) {
                            SendKey(sender, Qt::Key_Escape);
                        } else {
                            sender->Button1->click();
                        }
                    });
                }
                QCoreApplication::processEvents();
            }
            if (!sender->WorkReport->Terminated)
                sender->Finish();
        };
        EXPECT_EQ(form.RunModal(&report), 2) << byEsc;
        EXPECT_TRUE(report.Terminated);
        EXPECT_EQ(pages, 4) << byEsc;
    }
}

TEST_F(ProgressFormTest, FailingWorkIsShownAndDoesNotHoldTheWindowOpen)
{
    TfrReport report;
    TfrProgressForm form;
    form.OnShownWork = [](TfrProgressForm*) { throw EConvertError("'x' is not a valid integer value"); };
    TestDialogs().Reset();
    EXPECT_EQ(form.RunModal(&report), 2);
    EXPECT_EQ(TestDialogs().Texts(), QStringList{"'x' is not a valid integer value"});
}

TEST_F(ProgressFormTest, FrameCannotCloseIt)
{
    TfrProgressForm form;
    EXPECT_FALSE(form.windowFlags() & Qt::WindowCloseButtonHint);
    form.show();
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(&frGetProgressForm(), &frGetProgressForm());
}
