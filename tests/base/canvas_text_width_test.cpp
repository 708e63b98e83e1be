#include "base/canvas.h"

#include <QFontMetrics>
#include <QImage>

#include <gtest/gtest.h>

namespace {

// What Qt's shaping gives for the canvas's current font: a fixed-pitch face must measure alike.
int Shaped(TCanvas& canvas, const QString& text)
{
    return QFontMetrics(canvas.Painter().font(), canvas.Device()).horizontalAdvance(text);
}

TEST(CanvasTextWidth, FixedPitchTextMeasuresAsShaped)
{
    // every character of the Latin blocks, the controls and format characters among them
    QString all;
    for (char16_t u = 0x20; u < 0x250; ++u)
        all += QChar(u);
    const QStringList texts = {
        QString(),
        QStringLiteral("   123  01.01.2014  31.01.2014      1,50      1.234,56 TL"),
        QStringLiteral("İĞÜŞÖÇ ığüşöç"),
        QStringLiteral("yu\u00ADmu\u00ADşak ayır\u00ADma"),
        QStringLiteral("tab\there"),
        QStringLiteral("e\u0301 combining, ∑ € fallback"),
        all,
    };
    struct Device {
        int dotsPerMeter;
        QList<int> heights;
    } devices[] = {{3780, {-11, -13, -16}}, {47244, {-133, -100, -137}}};  // 96 dpi and 1200 dpi
    for (const Device& d : devices) {
        QImage image(8, 8, QImage::Format_RGB32);
        image.setDotsPerMeterX(d.dotsPerMeter);
        image.setDotsPerMeterY(d.dotsPerMeter);
        TCanvas canvas(&image);
        for (int height : d.heights) {
            for (int style : {0, 2}) {
                canvas.SetFont(TFont{QStringLiteral("Courier New"), 8, style}, height);
                for (const QString& text : texts)
                    EXPECT_EQ(canvas.TextWidth(text), Shaped(canvas, text)) << height << " " << text.toStdString();
                for (QChar c : all) {
                    const QString text = QStringLiteral("a") + c + QStringLiteral("b");
                    ASSERT_EQ(canvas.TextWidth(text), Shaped(canvas, text)) << height << " U+" << static_cast<int>(c.unicode());
                }
                // another face on the same canvas is measured by its own advances
                canvas.SetFont(TFont{QStringLiteral("Arial"), 8, style}, height);
                EXPECT_EQ(canvas.TextWidth(texts[1]), Shaped(canvas, texts[1])) << height;
            }
        }
    }
}

}  // namespace
