#pragma once

#include "base/canvas.h"
#include "base/text_run_recorder.h"
#include "report/fr_globals.h"
#include "report/fr_utils.h"
#include "report/fr_view.h"

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
