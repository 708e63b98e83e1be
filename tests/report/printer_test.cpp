#include "report/fr_prntr.h"

#include "base/printer.h"

#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
// A printer object with no printer behind it: only the virtual entry.
TfrPrinter VirtualOnly()
{
    TfrPrinter p;
    p.AttachPrinter(nullptr);
    return p;
}
}  // namespace

TEST(VirtualPrinter, IsTheOnlyAndLastEntryWhenNoPrinterIsInstalled)
{
    TfrPrinter p = VirtualOnly();
    ASSERT_EQ(p.Printers.size(), 1);
    EXPECT_EQ(p.Printers.at(0), QString());
    EXPECT_EQ(p.PrinterIndex, 0);
    EXPECT_EQ(p.VirtualPrinterIndex, 0);
    p.SetPrinterIndex(p.VirtualPrinterIndex);
    EXPECT_EQ(p.PaperCount, 67);
    EXPECT_EQ(p.PaperNames.size(), 67);
    EXPECT_EQ(p.PaperSizes[47], 50);  // no rows for 48 and 49
    EXPECT_EQ(p.PaperSizes[66], 256);
}

TEST(VirtualPrinter, LaysOutFromThePaperTableWithFiveMillimetreMargins)
{
    struct Case {
        int paper, width, height, orientation;
        int paperWidth, paperHeight;
        TfrPrinterInfo info;
    } cases[] = {
        // A4 portrait and landscape
        {9, 2100, 2970, 0, 2100, 2970, {0, 0, 752, 1071, 0, 0, 18, 18, 0, 0, 716, 1035}},
        {9, 0, 0, 1, 2970, 2100, {0, 0, 1064, 758, 0, 0, 18, 18, 0, 0, 1028, 722}},
        // custom paper keeps the caller's size
        {256, 1500, 1000, 0, 1500, 1000, {0, 0, 537, 361, 0, 0, 18, 18, 0, 0, 501, 325}},
        // Letter: 215.9 mm -> 773.46 units, 279.4 mm -> 1007.88
        {1, 0, 0, 0, 2159, 2794, {0, 0, 773, 1008, 0, 0, 18, 18, 0, 0, 737, 972}},
    };
    for (const Case& c : cases) {
        TfrPrinter p = VirtualOnly();
        p.SetPaper(c.paper, c.width, c.height, c.orientation);
        EXPECT_EQ(QSize(p.PaperWidth, p.PaperHeight), QSize(c.paperWidth, c.paperHeight)) << c.paper;
        TfrPrinterInfo info;
        p.GetPageInfo(info);
        EXPECT_EQ(info, c.info) << c.paper;
    }
}

TEST(VirtualPrinter, SamePaperIdAndOrientationIsNotAppliedAgain)
{
    TfrPrinter p = VirtualOnly();
    p.SetPaper(9, 2100, 2970, 0);
    p.SetPaper(9, 1234, 999, 0);
    EXPECT_EQ(p.PaperWidth, 2100);
    EXPECT_EQ(p.PaperHeight, 2970);
    EXPECT_TRUE(p.IsEqualPaper(9, 1, 1, 0));
    EXPECT_FALSE(p.IsEqualPaper(9, 2100, 2970, 1));
    // custom papers compare their size too
    p.SetPaper(256, 1500, 1000, 0);
    EXPECT_TRUE(p.IsEqualPaper(256, 1500, 1000, 0));
    EXPECT_FALSE(p.IsEqualPaper(256, 1500, 1001, 0));
    // a forgotten paper is applied whatever it is given, even the paper the printer already had
    p.SetPaper(9, 0, 0, 0);
    p.PaperWidth = 1;
    p.PaperSize = -1;
    p.SetPaper(9, 0, 0, 0);
    EXPECT_EQ(p.PaperWidth, 2100);
}

TEST(VirtualPrinter, UnknownPaperIdKeepsTheSize)
{
    TfrPrinter p = VirtualOnly();
    p.SetPaper(9, 0, 0, 0);
    p.SetPaper(48, 1000, 1000, 0);
    EXPECT_EQ(p.PaperWidth, 1000);
    EXPECT_EQ(p.PaperHeight, 1000);
}

TEST(RealPrinter, OriginAndPrintableAreaStayAtThePrintersMarginsWhilePrinting)
{
    TPrinter printer;
    QTemporaryDir dir;
    printer.SetOutputFileName(dir.filePath("page.pdf"));
    printer.Device().setPageMargins(QMarginsF(10, 15, 10, 15), QPageLayout::Millimeter);
    const QRect before = printer.PrintableRect();
    ASSERT_TRUE(printer.BeginDoc());
    // The painter's origin is the printable area's corner: its top-left maps to the area's offset.
    const QRect window = printer.Canvas()->viewport();
    EXPECT_EQ(printer.PrintableRect(), before);
    printer.EndDoc();
    EXPECT_EQ(printer.PrintableRect(), before);
    EXPECT_EQ(window.size(), before.size());
    EXPECT_GT(before.left(), 0);
}

TEST(VirtualPrinter, AChangeOfPrinterForgetsThePaper)
{
    // A printer picked, or attached afresh, starts on its own paper: the next paper is applied whatever
    // the fields still say.
    for (const bool reattach : {false, true}) {
        TfrPrinter p = VirtualOnly();
        p.SetPaper(9, 0, 0, 1);
        ASSERT_TRUE(p.IsEqualPaper(9, 0, 0, 1));
        if (reattach)
            p.AttachPrinter(nullptr);
        else
            p.SetPrinterIndex(p.VirtualPrinterIndex);
        EXPECT_FALSE(p.IsEqualPaper(9, 0, 0, 1)) << reattach;
        p.SetPaper(9, 0, 0, 1);
        EXPECT_TRUE(p.IsEqualPaper(9, 0, 0, 1)) << reattach;
    }
}
