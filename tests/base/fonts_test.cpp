#include "base/fonts.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {
// The Windows faces the program names, and the faces Qt finds for them on this machine.
TEST(FontResolution, QtFindsTheFaceOnThisMachine)
{
    const std::pair<const char*, const char*> faces[] = {
        {"Courier New", "Liberation Mono"}, {"Arial", "Liberation Sans"}, {"Times New Roman", "Liberation Serif"},
        {"Times New Roman Tur", "Liberation Serif"}, {"Tahoma", "DejaVu Sans Condensed"}};
    for (const auto& [windowsName, family] : faces) {
        for (int style : {0, 2}) {
            const QFont font = MakeFont(windowsName, -11, style);
            EXPECT_EQ(QFontInfo(font).family(), family) << windowsName << " " << style;
            EXPECT_EQ(QFontInfo(font).bold(), style == 2) << windowsName;
        }
    }
}

// The text drawn black on white at 11 pixels, as a caption is drawn.
QImage Drawn(const QFont& font, const QString& text)
{
    QImage image(120, 24, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(10, 17), text);
    return image;
}

// Columns from the pen position to the first and past the last inked column.
std::pair<int, int> InkColumns(const QImage& image)
{
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 160) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return {first - 10, last + 1 - 10};
}

// Darkness of the ink: the sum over every pixel of how far it is from white.
long Ink(const QImage& image)
{
    long sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += 255 - qGray(image.pixel(x, y));
    return sum;
}

class EveryFace : public ::testing::TestWithParam<const char*> {};

// A dotted capital I drawn where the I is drawn, with the same room after it: no "GECİ KME".
TEST_P(EveryFace, DottedCapitalIStandsWhereTheCapitalIStands)
{
    for (int style : {0, 2}) {
        const QFont font = MakeFont(GetParam(), -11, style);
        const QFontMetricsF metrics(font);
        EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(QString("İK")), metrics.horizontalAdvance(QString("IK")));
        const auto dotted = InkColumns(Drawn(font, "İ"));
        const auto plain = InkColumns(Drawn(font, "I"));
        const double advance = metrics.horizontalAdvance(QChar('I'));
        EXPECT_NEAR(dotted.first, plain.first, 1) << style;
        EXPECT_NEAR(advance - dotted.second, advance - plain.second, 1) << style;
        // and a word keeps its letters together
        EXPECT_NEAR(InkColumns(Drawn(font, "GECİKME")).second, InkColumns(Drawn(font, "GECIKME")).second, 1);
    }
}

TEST_P(EveryFace, BoldIsDrawnHeavier)
{
    const QString text = "GECİKME FAİZİ İşçi";
    const long regular = Ink(Drawn(MakeFont(GetParam(), -11), text));
    const long bold = Ink(Drawn(MakeFont(GetParam(), -11, 2), text));
    EXPECT_GT(bold, regular * 6 / 5) << regular << " " << bold;
}

INSTANTIATE_TEST_SUITE_P(Program, EveryFace,
                         ::testing::Values("Tahoma", "Courier New", "Arial", "Times New Roman Tur"));

// Captions in the Tahoma they were laid out for still fit the sizes of the design: the run buttons
// (225 pixels, bold) and the narrowest payroll columns (two pixels of inset on each side).
TEST(Fonts, CaptionsFitTheirDesignWidths)
{
    const struct {
        const char* text;
        int style;
        int room;
    } captions[] = {
        {"GECİKME FAİZİ DETAYLI HESAPLA", 2, 225 - 16}, {"TECİL FAİZİ DETAYLI HESAPLA", 2, 225 - 16},
        {"İşslik İşçi", 0, 50 - 4},                    {"İşslik İşv.", 0, 50 - 4},
        {"Gün", 0, 30 - 4},                            {"SGK Numarası", 0, 80 - 4},
        {"Kesinti T.", 0, 60 - 4},                     {"Gelir Ver.", 0, 60 - 4},
    };
    for (const auto& c : captions)
        EXPECT_LE(QFontMetricsF(MakeFont("Tahoma", -11, c.style)).horizontalAdvance(QString(c.text)), c.room)
            << c.text;
}

TEST(Fonts, NegativeHeightIsTheCharacterHeight)
{
    EXPECT_EQ(MakeFont("Courier New", -11).pixelSize(), 11);
    QFont bold = MakeFont("Tahoma", -11, 2 | 4);
    EXPECT_TRUE(bold.bold());
    EXPECT_TRUE(bold.underline());
    EXPECT_FALSE(bold.italic());
}
}  // namespace
