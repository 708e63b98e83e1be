// The late-interest report at year-end lengths, built as "YAZDIR" builds it: the program's portrait
// template with the calculator's text as its rich body. Each size checks that every line is on exactly
// one page inside the page above its footer; the time per page should not grow with the length.
// TAVRELO_LENGTH_PDF=file.pdf also prints the longest report there through the engine's print path.
#include "base/printer.h"
#include "base/rich_edit.h"
#include "base/stream.h"
#include "calc/late_interest/late_interest_run.h"
#include "calc/report_pane_print.h"
#include "report/fr_band_view.h"
#include "report/fr_emf_pages.h"
#include "report/fr_globals.h"
#include "report/fr_memo_view.h"
#include "report/fr_prntr.h"
#include "report/fr_report.h"
#include "report/fr_rich.h"

#include <QApplication>
#include <QFile>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Detailed late-payment runs over a quarter of a century, one after the other, cut to `count` lines.
QStringList LateInterestBody(int count)
{
    LateInterestInputs inputs;
    inputs.debtDate = EncodeDate(2000, 1, 15);
    inputs.processDate = EncodeDate(2024, 12, 31);
    inputs.headingText = QStringLiteral("Yıl sonu dökümü");
    inputs.description = QStringLiteral("Fatura 2024/118");
    LateInterestReport report;
    report.amountText = AmountText(1250000);
    report.cumulativeText = AmountText(0);
    QStringList lines;
    while (lines.size() < count) {
        report.newLines.clear();
        RunLateInterest(InterestSide::LatePayment, RunForm::Detailed, inputs, report);
        lines << report.newLines;
    }
    lines.resize(count);
    // numbered, so that a line lost or printed twice shows
    for (int i = 0; i < count; ++i)
        lines[i] = QStringLiteral("%1 ").arg(i + 1, 6, 10, QLatin1Char('0')) + lines[i];
    return lines;
}

std::unique_ptr<TfrReport> PortraitReport()
{
    auto report = std::make_unique<TfrReport>();
    report->setObjectName("frReport2");
    report->StoreInDFM = true;
    report->ShowProgress = false;
    QFile file(QStringLiteral(":/templates/fr_report2.reportform"));
    TMemoryStream stream(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    report->ReadBinaryData(stream);
    return report;
}

// The body lines a printed view holds: a rich view's paragraphs, the lines of a memo split over pages.
QStringList BodyLines(TfrView& view)
{
    if (auto* rich = dynamic_cast<TfrRichView*>(&view))
        return rich->RichEdit->Lines();
    QStringList lines;
    if (!view.Memo.Text().contains(frParagraphEnd))
        return lines;
    for (int i = 0; i < view.Memo.Count(); ++i) {
        QString text;
        bool end = false;
        int width = 0;
        if (view.Memo[i] == QString(frParagraphEnd))
            continue;
        frSplitWrappedLine(view.Memo[i], text, end, width);
        lines << text;
    }
    return lines;
}

// Empty when every line is on exactly one page in order, inside the page above the page footer.
QString CheckPages(TfrReport& report, const QStringList& lines)
{
    TfrEMFPages& pages = report.EMFPages;
    int next = 0;
    for (int i = 0; i < pages.Count(); ++i) {
        pages.ObjectsToPage(i);
        const TfrPrinterInfo& info = pages.Pages(i).PageInfo;
        int footerTop = info.PageHeight;
        for (const auto& v : pages.Pages(i).Page->Objects) {
            if (v->Memo.Text().startsWith(QStringLiteral("Sayfa")))
                footerTop = std::min(footerTop, v->y);
        }
        for (const auto& v : pages.Pages(i).Page->Objects) {
            const QStringList body = BodyLines(*v);
            if (body.isEmpty())
                continue;
            if (v->y < 0 || v->y + v->dy > footerTop)
                return QStringLiteral("sayfa %1: gövde %2..%3, altlık %4").arg(i + 1).arg(v->y).arg(v->y + v->dy).arg(footerTop);
            for (const QString& line : body) {
                if (next >= lines.size() || line != lines[next])
                    return QStringLiteral("sayfa %1: beklenen %2, basılan %3").arg(i + 1).arg(lines.value(next), line);
                ++next;
            }
        }
        pages.Pages(i).Page.reset();
    }
    return next == lines.size() ? QString() : QStringLiteral("%1 satırdan %2 basıldı").arg(lines.size()).arg(next);
}

void BM_LateInterestReportLength(benchmark::State& state)
{
    frPrinterObject().SetPrinterIndex(frPrinterObject().VirtualPrinterIndex);
    const QStringList lines = LateInterestBody(static_cast<int>(state.range(0)));
    TRichEdit pane;
    pane.SetFontSpec("Courier New", -11);
    pane.SetLines(lines);
    std::unique_ptr<TfrReport> report = PortraitReport();
    TemplateMemo(*report, "Memo1").SetFont(RichEditFont(pane));
    TemplateMemo(*report, "Memo5").Memo.SetText(QStringLiteral("Gecikme/Tecil Faizi Rapor Dökümü"));
    FillRichView(*report, pane);
    for (auto _ : state) {
        if (!report->PrepareReport()) {
            state.SkipWithError(frErrorText.toStdString().c_str());
            return;
        }
    }
    const int pageCount = report->EMFPages.Count();
    state.counters["pages"] = pageCount;
    state.counters["lines"] = static_cast<double>(lines.size());
    state.counters["per_page"] =
        benchmark::Counter(pageCount, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    const QString fault = CheckPages(*report, lines);
    if (!fault.isEmpty()) {
        state.SkipWithError(fault.toStdString().c_str());
        return;
    }
    const QString pdf = qEnvironmentVariable("TAVRELO_LENGTH_PDF");
    if (!pdf.isEmpty() && state.range(0) == 500000) {
        Printer().SetOutputFileName(pdf);
        report->PrintPreparedReport(QString(), 1);
        Printer().SetOutputFileName(QString());
    }
}
BENCHMARK(BM_LateInterestReportLength)->Arg(20000)->Arg(200000)->Arg(500000)->Iterations(1)->Unit(benchmark::kSecond);

// The same body in a memo of a summary that may break over pages, the other kind of view that splits.
void BM_LongMemoLength(benchmark::State& state)
{
    frPrinterObject().SetPrinterIndex(frPrinterObject().VirtualPrinterIndex);
    const QStringList lines = LateInterestBody(static_cast<int>(state.range(0)));
    TfrReport report;
    report.ShowProgress = false;
    TfrPage& page = report.Pages.Add();
    auto band = std::make_unique<TfrBandView>();
    band->FrameTyp = btReportSummary;
    band->Flags = 48 | flStretched | flBandBreaked;
    band->SetBounds(0, 100, 752, 40);
    page.Objects.push_back(std::move(band));
    auto memo = std::make_unique<TfrMemoView>();
    memo->SetBounds(20, 100, 700, 36);
    memo->Font.Name = QStringLiteral("Courier New");
    memo->Font.Size = 8;
    memo->Memo.SetText(lines.join(QStringLiteral("\r\n")));
    page.Objects.push_back(std::move(memo));
    auto footer = std::make_unique<TfrBandView>();
    footer->FrameTyp = btPageFooter;
    footer->Flags = 48;
    footer->SetBounds(0, 1000, 752, 30);
    page.Objects.push_back(std::move(footer));
    auto number = std::make_unique<TfrMemoView>();
    number->SetBounds(600, 1002, 120, 16);
    number->Memo.Add(QStringLiteral("Sayfa [PAGE#]"));
    page.Objects.push_back(std::move(number));
    for (auto _ : state) {
        if (!report.PrepareReport()) {
            state.SkipWithError(frErrorText.toStdString().c_str());
            return;
        }
    }
    const int pageCount = report.EMFPages.Count();
    state.counters["pages"] = pageCount;
    state.counters["per_page"] =
        benchmark::Counter(pageCount, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    const QString fault = CheckPages(report, lines);
    if (!fault.isEmpty())
        state.SkipWithError(fault.toStdString().c_str());
}
BENCHMARK(BM_LongMemoLength)->Arg(20000)->Arg(200000)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    frInitEngine();
    frRegisterRichView();
    Q_INIT_RESOURCE(templates);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
