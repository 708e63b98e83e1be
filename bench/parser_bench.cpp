// Translating and evaluating a typical memo expression, as a memo does for every bracket it prints.
#include "base/format_settings.h"
#include "base/string_list.h"
#include "report/fr_globals.h"
#include "report/fr_intrp.h"
#include "report/fr_pars.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

TfrParser MakeParser()
{
    TfrParser parser;
    parser.OnGetValue = [](const QString& name, Variant& value) {
        if (name == "PAGE#")
            value = Variant(3);
        else if (name == "TUTAR")
            value = Variant(1234.5);
        else
            value = Variant(QStringLiteral("Ödeme"));
    };
    parser.OnFunction = [](const QString&, const Variant&, const Variant&, const Variant&, QString& value) {
        value = QStringLiteral("'1.234,50'");
    };
    return parser;
}

const QString kExpression = QStringLiteral("IF([PAGE#] > 1, 'Sayfa ' + STR([PAGE#]), '') + ' ' + "
                                           "FORMATFLOAT('#,##0.00', Tutar * 1.18) + COPY(Aciklama, 1, 3)");

void TranslateAndEvaluate(benchmark::State& state)
{
    TfrParser parser = MakeParser();
    for (auto _ : state)
        benchmark::DoNotOptimize(parser.Calc(kExpression));
}
BENCHMARK(TranslateAndEvaluate);

void EvaluateOnly(benchmark::State& state)
{
    TfrParser parser = MakeParser();
    const QString postfix = parser.TranslateToPostfix(kExpression);
    for (auto _ : state)
        benchmark::DoNotOptimize(parser.EvaluatePostfix(postfix));
}
BENCHMARK(EvaluateOnly);

void PageNumber(benchmark::State& state)
{
    TfrParser parser = MakeParser();
    for (auto _ : state)
        benchmark::DoNotOptimize(parser.Calc(QStringLiteral("[PAGE#]")));
}
BENCHMARK(PageNumber);

void ScriptLoop(benchmark::State& state)
{
    struct Host : TfrInterpretator {
        TfrVariables vars;
        void GetValue(const QString& name, Variant& value) override { value = vars.GetVariable(name); }
        void SetValue(const QString& name, const Variant& value) override { vars.SetVariable(name, value); }
    } host;
    TStringList lines(QStringList{"begin I := 0; S := 0; while I < 100 do begin S := S + I; I := I + 1 end end"}),
        errors;
    host.CompileScript(lines, lines, errors);
    for (auto _ : state)
        host.RunScript(lines);
}
BENCHMARK(ScriptLoop);

// A long sum written without blanks, up to the size of the editor's buffer: compiling must grow
// with the length, not with its square.
void CompileLongExpression(benchmark::State& state)
{
    QString sum = QStringLiteral("X:=1");
    while (sum.size() < state.range(0))
        sum += QStringLiteral("+1");
    TfrInterpretator host;
    for (auto _ : state) {
        TStringList lines(QStringList{sum}), errors;
        host.CompileScript(lines, lines, errors);
        benchmark::DoNotOptimize(lines.Count());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(CompileLongExpression)->RangeMultiplier(4)->Range(512, 32000)->Complexity();

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    SetFormatSettings(TFormatSettings::Turkish());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
