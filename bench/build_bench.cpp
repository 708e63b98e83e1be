// Building long reports: many records with a total in the footer and the page number, and a long
// calculator text that breaks over many pages.
#include "base/rich_edit.h"
#include "report/fr_band_view.h"
#include "report/fr_globals.h"
#include "report/fr_memo_view.h"
#include "report/fr_prntr.h"
#include "report/fr_report.h"
#include "report/fr_rich.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void AddBand(TfrPage& page, TfrBandType type, int top, int height, uint16_t flags, const QString& data = {})
{
    auto band = std::make_unique<TfrBandView>();
    band->FrameTyp = type;
    band->Flags = flags;
    band->SetBounds(0, top, 752, height);
    band->FormatStr = data;
    page.Objects.push_back(std::move(band));
}

void AddMemo(TfrPage& page, int x, int y, const QString& text)
{
    auto memo = std::make_unique<TfrMemoView>();
    memo->SetBounds(x, y, 300, 16);
    memo->Memo.Add(text);
    page.Objects.push_back(std::move(memo));
}

void UseVirtualPrinter()
{
    frPrinterObject().SetPrinterIndex(frPrinterObject().VirtualPrinterIndex);
}

void BM_BuildRecords(benchmark::State& state)
{
    UseVirtualPrinter();
    TfrReport report;
    report.ShowProgress = false;
    TfrPage& page = report.Pages.Add();
    AddBand(page, btMasterData, 100, 20, 48, QString::number(state.range(0)));
    AddMemo(page, 20, 102, "Kayıt [LINE#]: [LINE# * 1.5 #N0,2]");
    AddBand(page, btMasterFooter, 130, 20, 48);
    AddMemo(page, 20, 132, "Toplam [SUM([LINE#])]");
    AddBand(page, btPageFooter, 1000, 30, 48);
    AddMemo(page, 600, 1002, "Sayfa [PAGE#]");
    for (auto _ : state)
        benchmark::DoNotOptimize(report.PrepareReport());
    state.counters["pages"] = report.EMFPages.Count();
}
BENCHMARK(BM_BuildRecords)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_BuildLongRichText(benchmark::State& state)
{
    UseVirtualPrinter();
    TfrReport report;
    report.ShowProgress = false;
    TfrPage& page = report.Pages.Add();
    AddBand(page, btReportSummary, 148, 430, 48 | flStretched | flBandBreaked);
    auto rich = std::make_unique<TfrRichView>();
    rich->SetBounds(40, 150, 668, 422);
    QStringList lines;
    for (int i = 0; i < state.range(0); ++i)
        lines << QStringLiteral("%1  01.01.2014  31.01.2014  1,50  %2 TL").arg(i + 1, 6).arg(1234.56 * (i % 97 + 1), 14, 'f', 2);
    rich->RichEdit->SetFontSpec("Courier New", 11);
    rich->RichEdit->SetLines(lines);
    page.Objects.push_back(std::move(rich));
    AddBand(page, btPageFooter, 990, 28, 48);
    AddMemo(page, 604, 994, "Sayfa [PAGE#]");
    for (auto _ : state)
        benchmark::DoNotOptimize(report.PrepareReport());
    state.counters["pages"] = report.EMFPages.Count();
}
BENCHMARK(BM_BuildLongRichText)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    frInitEngine();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
