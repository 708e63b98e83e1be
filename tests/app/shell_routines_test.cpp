#include "app/shell_routines.h"

#include "base/exceptions.h"
#include "base/format_settings.h"
#include "base/string_grid.h"
#include "test_support.h"

#include <QImage>
#include <QPainter>

#include <cmath>
#include <memory>
#include <optional>
#include <tuple>

namespace {
class StrToAmountTest : public WorkingFolderTest {};

TEST_F(StrToAmountTest, KeepsDigitsSignAndDecimalSeparatorAndRaisesWhenThatIsNoNumber)
{
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"7.809,90", 7809.90}, {"1.000 TL", 1000}, {"", 0},      {"-12,5", -12.5},  {"abc", 0},
        {"+3,25", 3.25},       {" -5", 5},         {"12-3", 123}, {"0,005", 0.005}, {"1.234.567,89", 1234567.89},
        {"1,2,3", std::nullopt}, {"+", std::nullopt}, {"-", std::nullopt}, {",,", std::nullopt},
        // the general format the class library writes from 10^18 on: its exponent is no digits of the amount
        {"1E19", std::nullopt}, {"-1,23456789012346E18", std::nullopt}, {"5e-7", std::nullopt},
        {"Ekim 2024", 2024}, {"3 E 5", 35},
    };
    for (const auto& [text, expected] : cases) {
        if (expected) {
            EXPECT_DOUBLE_EQ(static_cast<double>(StrToAmount(text)), *expected) << text;
        } else {
            EXPECT_THROW(StrToAmount(text), EConvertError) << text;
        }
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

TEST_F(StrToAmountTest, WholeAmountDropsTheDecimalSeparator)
{
    EXPECT_DOUBLE_EQ(static_cast<double>(StrToWholeAmount("1.234 gün")), 1234);
    EXPECT_DOUBLE_EQ(static_cast<double>(StrToWholeAmount("12,5")), 125);
    EXPECT_DOUBLE_EQ(static_cast<double>(StrToWholeAmount("")), 0);
}

TEST(PadTest, FillsToTheWidthAndNeverCuts)
{
    struct Case {
        int width;
        QString text, left, right;
    } cases[] = {
        {6, "1,50", "  1,50", "1,50  "},
        {4, "1,50", "1,50", "1,50"},
        {2, "123,45", "123,45", "123,45"},
        {3, "", "   ", "   "},
        {0, "x", "x", "x"},
        {-1, "ab", "ab", "ab"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PadLeft(c.width, c.text), c.left) << c.width;
        EXPECT_EQ(PadRight(c.width, c.text), c.right) << c.width;
    }
}

TEST(MidStrTest, TakesFromTheOneBasedStart)
{
    const QString letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const std::tuple<int, int, const char*> cases[] = {{1, 1, "A"},  {17, 1, "Q"}, {25, 5, "YZ"},
                                                       {27, 1, ""}, {0, 2, "AB"}, {-3, 1, "A"}, {3, 0, ""}};
    for (const auto& [start, count, expected] : cases)
        EXPECT_EQ(MidStr(letters, start, count), expected) << start << " " << count;
}

TEST(IsValidDateTextTest, OnlyRealDatesInTheFullForm)
{
    struct Case {
        const char* text;
        bool valid;
    } cases[] = {
        {"01.01.2024", true},  {"29.02.2024", true},  {"29.02.2023", false}, {"31.04.2024", false},
        {"00.01.2024", false}, {"01.13.2024", false}, {"1.1.2024", false},   {"  .  .    ", false},
        {"", false},           {"01.01.0000", false}, {"31.12.1899", true},  {"01-01-2024", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsValidDateText(c.text), c.valid) << c.text;
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
