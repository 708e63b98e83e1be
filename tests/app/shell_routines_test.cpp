#include "app/shell_routines.h"

#include "base/exceptions.h"
#include "base/format_settings.h"
#include "base/string_grid.h"
#include "case_table.h"
#include "test_support.h"

#include <QImage>
#include <QPainter>

#include <cmath>
#include <memory>

namespace {
class StrToAmountTest : public WorkingFolderTest {};

TEST_F(StrToAmountTest, AmountsPaddingMidStrAndDateTexts)
{
    const QString letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (const CaseLine& c : ReadCases("app/shell_routines.txt", 4)) {
        SCOPED_TRACE(c.where.toStdString());
        if (c[0] == "StrToAmount" && c[3] == "error")
            EXPECT_THROW(StrToAmount(c[1]), EConvertError);
        else if (c[0] == "StrToAmount")
            EXPECT_DOUBLE_EQ(static_cast<double>(StrToAmount(c[1])), c[3].toDouble());
        else if (c[0] == "StrToWholeAmount")
            EXPECT_DOUBLE_EQ(static_cast<double>(StrToWholeAmount(c[1])), c[3].toDouble());
        else if (c[0] == "Pad")
            EXPECT_EQ(PadLeft(c[2].toInt(), c[1]) + "|" + PadRight(c[2].toInt(), c[1]), c[3]);
        else if (c[0] == "MidStr")
            EXPECT_EQ(MidStr(letters, c[1].toInt(), c[2].toInt()), c[3]);
        else
            EXPECT_EQ(IsValidDateText(c[1]), c[3] == "1");
    }
}

TEST_F(StrToAmountTest, FollowsTheLocaleSeparators)
{
    TFormatSettings english = TFormatSettings::Turkish();
    english.DecimalSeparator = '.';
    english.ThousandSeparator = ',';
    SetFormatSettings(english);
    EXPECT_DOUBLE_EQ(static_cast<double>(StrToAmount("1,234.50")), 1234.5);
    EXPECT_THROW(StrToAmount("1.2.3"), EConvertError);
    // design values read as the same amounts under any locale
    EXPECT_EQ(LocalizedDesignAmount("1.201,50"), "1,201.50");
    EXPECT_DOUBLE_EQ(static_cast<double>(StrToAmount(LocalizedDesignAmount("2731,85"))), 2731.85);
}

// A grid of the given rows whose column 1 holds the letter of the row, column 0 its number.
std::unique_ptr<TStringGrid> lettered(int rows)
{
    auto grid = std::make_unique<TStringGrid>();
    grid->SetColCount(2);
    grid->SetRowCount(rows);
    for (int r = 1; r < rows; ++r) {
        grid->SetCells(0, r, QString::number(r));
        grid->SetCells(1, r, QString(QChar('A' + r - 1)));
    }
    return grid;
}

QString column1(const TStringGrid& grid)
{
    QString s;
    for (int r = 1; r < grid.RowCount(); ++r)
        s += grid.Cells(1, r).isEmpty() ? QString("_") : grid.Cells(1, r);
    return s;
}

TEST(GridRowTest, MoveShiftsTheRowsBetweenAndDeleteMovesTheRowsBelowUp)
{
    auto grid = lettered(6);  // A B C D E
    MoveGridRow(*grid, 5, 2);
    EXPECT_EQ(column1(*grid), "AEBCD");
    MoveGridRow(*grid, 2, 5);
    EXPECT_EQ(column1(*grid), "ABCDE");
    MoveGridRow(*grid, 1, 9);
    EXPECT_EQ(column1(*grid), "ABCDE");

    DeleteRow(*grid, 2);
    EXPECT_EQ(grid->RowCount(), 5);
    EXPECT_EQ(column1(*grid), "ACDE");
    DeleteRow(*grid, 0);  // the heading row stays
    EXPECT_EQ(grid->RowCount(), 5);

    auto one = lettered(2);  // deleting the last data row empties it
    DeleteRow(*one, 1);
    EXPECT_EQ(one->RowCount(), 2);
    EXPECT_EQ(one->Cells(1, 1), "");
}

// Columns of the image that hold text pixels (anything darker than the fill).
std::pair<int, int> inkColumns(const QImage& image)
{
    int first = image.width(), last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

QImage drawn(const QString& text, TCellAlignment alignment)
{
    QImage image(140, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setBrush(QColor(255, 255, 0));
    painter.setPen(Qt::black);
    DrawCellText(text, QRect(10, 10, 100, 20), painter, alignment, QFont("Arial", 9));
    return image;
}

TEST(DrawCellTextTest, FillsTheCellAndInsetsTheClippedTextTwoPixelsFromTheAlignedEdge)
{
    QImage left = drawn("128,50", taLeftJustify);
    EXPECT_EQ(left.pixel(11, 11), QColor(255, 255, 0).rgb());
    EXPECT_EQ(left.pixel(5, 5), QColor(Qt::white).rgb());
    auto [l0, l1] = inkColumns(left);
    EXPECT_GE(l0, 12);
    EXPECT_LE(l0, 14);

    auto [r0, r1] = inkColumns(drawn("128,50", taRightJustify));
    EXPECT_LE(r1, 107);
    EXPECT_GE(r1, 104);

    auto [c0, c1] = inkColumns(drawn("128,50", taCenter));
    EXPECT_LE(std::abs((c0 + c1) / 2 - 60), 2);

    auto [first, last] = inkColumns(drawn("ÇOK UZUN BİR HÜCRE METNİ ÇOK UZUN", taLeftJustify));
    EXPECT_GE(first, 10);
    EXPECT_LE(last, 109);
}
}  // namespace
