// Whole-grid payroll recalculation, on the texts alone and through the tab's grid.
#include "app/main_window.h"
#include "base/format_settings.h"
#include "base/string_grid.h"
#include "calc/calculators.h"
#include "calc/payroll_assets/payroll_calc.h"

#include <QApplication>
#include <QPushButton>

#include <benchmark/benchmark.h>

namespace {
long double designRate(const char* edit)
{
    return ReadPayrollRate(edit, PayrollRateEditNamed(edit).designText);
}

QString gross(int row)
{
    return QString::number(2000 + (row * 37) % 9000);
}

std::vector<PayrollRow> typedGrid(int rows)
{
    std::vector<PayrollRow> grid(rows + 1);
    for (int r = 1; r <= rows; ++r) {
        grid[r][0] = QString::number(r);
        grid[r][1] = "Çalışan";
        grid[r][2] = gross(r);
        grid[r][4] = QString::number(1 + r % 30);
    }
    return grid;
}

void BM_RecalculatePayrollTexts(benchmark::State& state)
{
    const std::vector<PayrollRow> typed = typedGrid(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<PayrollRow> grid = typed;
        state.ResumeTiming();
        PayrollRecalcResult result =
            RecalculatePayroll(grid, 1, static_cast<int>(grid.size()) - 1, designRate);
        benchmark::DoNotOptimize(result.totals);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_RecalculatePayrollTexts)->Arg(500)->Arg(5000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

// "YENİDEN HESAPLA" on the tab: read the grid, compute, write the changed cells and the totals.
void BM_RecalculatePayrollTab(benchmark::State& state)
{
    TForm1 form;
    InstallCalculators(form);
    form.FormCreate();
    auto* grid = form.findChild<TStringGrid*>("StringGrid5");
    auto* recalculate = form.findChild<QPushButton*>("BitBtn8");
    const int rows = static_cast<int>(state.range(0));
    grid->SetRowCount(rows + 2);
    for (auto _ : state) {
        state.PauseTiming();
        for (int r = 1; r <= rows + 1; ++r) {
            grid->SetCells(0, r, QString::number(r));
            grid->SetCells(2, r, r <= rows ? gross(r) : QString());
            grid->SetCells(4, r, r <= rows ? QString::number(1 + r % 30) : QString());
        }
        state.ResumeTiming();
        recalculate->click();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_RecalculatePayrollTab)->Arg(500)->Arg(5000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    SetFormatSettings(TFormatSettings::Turkish());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
