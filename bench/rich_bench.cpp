// Measuring and splitting a long rich text into A4 pages, as the report of a long calculation prints.
#include "report_lines.h"
#include "base/fonts.h"
#include "base/rich_edit.h"
#include "base/stream.h"
#include "report/fr_globals.h"
#include "report/fr_rich.h"

#include <QApplication>
#include <QTextCursor>
#include <QTextDocument>

#include <benchmark/benchmark.h>

namespace {

// A4 less its margins at 96 dpi.
constexpr int kPageWidth = 718;
constexpr int kPageHeight = 1035;

void BM_RichContentHeightAndSplit(benchmark::State& state)
{
    frEngineMode = 1;
    TfrRichView view;
    view.RecordForm = 1;
    view.SetBounds(0, 0, kPageWidth, kPageHeight);
    view.RichEdit->SetFontSpec("Courier New", -11);
    view.RichEdit->SetLines(ReportLines(static_cast<int>(state.range(0))));
    int parts = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // a change and its undoing: the text is the same, but nothing prepared before may be reused
        QTextCursor cursor(view.RichEdit->document());
        cursor.insertText(QStringLiteral("x"));
        cursor.deletePreviousChar();
        state.ResumeTiming();

        benchmark::DoNotOptimize(view.ContentHeight());
        const int length = TRichPageFormatter::TextLength(*view.RichEdit->document());
        parts = 0;
        while (view.PartStart < length) {
            benchmark::DoNotOptimize(view.UnprintedHeight());
            view.PartMode = 3;
            view.dy = kPageHeight;
            TMemoryStream page;
            view.Print(page);
            ++parts;
        }
    }
    state.counters["pages"] = parts;
}
BENCHMARK(BM_RichContentHeightAndSplit)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    RegisterApplicationFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
