#pragma once

#include "base/canvas.h"
#include "base/text_run_recorder.h"
#include "report/fr_view.h"

#include <vector>

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
