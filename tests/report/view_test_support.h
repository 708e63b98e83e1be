#pragma once

#include "base/canvas.h"
#include "base/text_run_recorder.h"
#include "report/fr_globals.h"
#include "report/fr_utils.h"
#include "report/fr_view.h"

#include <QImage>
#include <QStringList>

#include <gtest/gtest.h>

#include <vector>

// Views draw and measure as the engine prints them; the mode and template version are put back.
class PrintingModeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        oldMode_ = frEngineMode;
        frEngineMode = 1;
        frTemplateVersion = 23;
    }
    void TearDown() override
    {
        frEngineMode = oldMode_;
        frTemplateVersion = 23;
    }
private:
    int oldMode_ = 0;
};

// The texts a view draws, with the device rectangles they cover.
inline std::vector<TTextRun> DrawnRuns(TfrView& view, int width = 800, int height = 600)
{
    TTextRunRecorder rec(width, height);
    {
        TCanvas canvas(&rec);
        view.Draw(canvas);
    }
    return rec.Runs();
}

// A picture as rows of letters, one a pixel: '.' see-through, else a letter per colour named above.
inline QStringList Art(const QString& title, const QImage& image)
{
    QStringList legend, rows;
    QList<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        QString row;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) == 0) {
                row += '.';
                continue;
            }
            if (!colours.contains(p)) {
                colours << p;
                legend << QStringLiteral("  %1 %2").arg(QChar(char16_t(u'a' + colours.size() - 1))).arg(p & 0xFFFFFF, 6, 16, QChar('0'));
            }
            row += QChar(char16_t(u'a' + colours.indexOf(p)));
        }
        rows << row;
    }
    return QStringList{title} + legend + rows;
}
