// Printing long reports to a PDF, end to end, against what Qt alone needs for the same lines.
//
//   floor  the lines in one QTextDocument, laid out once for a PDF printer on A4, each page painted
//   rich   "YAZDIR" of the late-interest tab: the lines in its report pane, frReport2 built, the
//          preview closed, the prepared pages printed through the engine's print path
//   band   a master band of one memo per record and a "Sayfa [PAGE#]" footer, built and printed
//
// Each measurement runs in a process of its own, so that its peak memory is its own. Time is the
// process's CPU time over the work (building and printing), so a busy machine does not blur it.
//
//   print_bench [lines...] [floor|rich|band...] [-rN]
//   default: 20000 and 100000 lines, every kind, each measured 3 times (-rN: N times) and the
//   fastest run kept; 500000 is the long run
#include "report_lines.h"
#include "base/dialogs.h"
#include "base/fonts.h"
#include "base/format_settings.h"
#include "base/printer.h"
#include "base/rich_edit.h"
#include "calc/calculators.h"
#include "app/main_window.h"
#include "report/fr_band_view.h"
#include "report/fr_dset.h"
#include "report/fr_globals.h"
#include "report/fr_memo_view.h"
#include "report/fr_prntr.h"
#include "report/fr_report.h"
#include "report/fr_view_form.h"

#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Result {
    int pages = 0;
    double cpuSeconds = 0;
    long peakKb = 0;
    bool ok = false;
};

double CpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

long PeakKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Qt alone: A4 with margins of 10 mm, a page holds a few more lines than the report's (see the lines
// per page of the output).
Result Floor(const QStringList& lines, const QString& pdf)
{
    Result r;
    const double start = CpuSeconds();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    QFont font(QStringLiteral("Courier New"));
    font.setPointSize(8);
    QPainter painter(&printer);
    // Qt keeps a document's coordinates in 26.6 fixed point: at the printer's resolution one document
    // holds at most about 200,000 of these lines, so a longer text is laid out in parts.
    constexpr int linesPerDocument = 100000;
    for (qsizetype first = 0; first < lines.size(); first += linesPerDocument) {
        QTextDocument doc;
        doc.setDocumentMargin(0);
        doc.setDefaultFont(font);
        doc.setPlainText(lines.mid(first, linesPerDocument).join(QLatin1Char('\n')));
        doc.documentLayout()->setPaintDevice(&printer);
        doc.setPageSize(page.size());
        const int pages = doc.pageCount();
        for (int i = 0; i < pages; ++i) {
            if (r.pages++ > 0)
                printer.newPage();
            painter.save();
            const QRectF view(0, i * page.height(), page.width(), page.height());
            painter.translate(0, -view.top());
            doc.drawContents(&painter, view);
            painter.restore();
        }
    }
    painter.end();
    r.cpuSeconds = CpuSeconds() - start;
    r.ok = QFile(pdf).size() > 0;
    return r;
}

void PrintToPdf(TfrReport& report, const QString& pdf)
{
    frPrinterObject().SetPrinterIndex(frPrinterObject().VirtualPrinterIndex);
    Printer().SetOutputFileName(pdf);
    report.PrintPreparedReport(QString(), 1);
    Printer().SetOutputFileName(QString());
}

Result Rich(const QStringList& lines, const QString& pdf)
{
    Result r;
    TForm1 form;
    InstallCalculators(form);
    form.FormCreate();
    auto* pane = form.findChild<TRichEdit*>(QStringLiteral("RichEdit10"));
    auto* yazdir = form.findChild<QAbstractButton*>(QStringLiteral("SpeedButton4"));
    if (pane == nullptr || yazdir == nullptr || form.frReport2 == nullptr) {
        std::fprintf(stderr, "rich: the late-interest tab has no report pane or \"YAZDIR\"\n");
        return r;
    }
    pane->SetLines(lines);
    // A user prints a pane already on the screen, laid out: the pane's own layout, which Qt finishes
    // in the background, is not the report's work.
    pane->document()->documentLayout()->documentSize();
    frPrinterObject().SetPrinterIndex(frPrinterObject().VirtualPrinterIndex);
    // The preview opens once the pages are built; there they are printed as its print command does
    // after the print dialog, and the preview is closed.
    Printer().SetOutputFileName(pdf);
    int pages = 0;
    QTimer printer;
    QObject::connect(&printer, &QTimer::timeout, [&printer, &pages] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* preview = qobject_cast<TfrPreviewForm*>(w);
            if (preview == nullptr || !preview->isVisible() || preview->ShownReport == nullptr)
                continue;
            printer.stop();
            preview->ReturnPages();
            preview->ShownReport->PrintPreparedReport(QString(), 1);
            preview->TakePages(preview->ShownReport);
            pages = preview->EMFPages ? preview->EMFPages->Count() : 0;
            preview->ExitBtnXP->click();
        }
    });
    printer.start(1);
    const double start = CpuSeconds();
    yazdir->click();
    printer.stop();
    Printer().SetOutputFileName(QString());
    r.cpuSeconds = CpuSeconds() - start;
    r.pages = pages;
    r.ok = r.pages > 0 && QFile(pdf).size() > 0;
    return r;
}

void AddBand(TfrPage& page, TfrBandType type, int top, int height, const QString& data = {})
{
    auto band = std::make_unique<TfrBandView>();
    band->FrameTyp = type;
    band->Flags = 48;
    band->SetBounds(0, top, 718, height);
    band->FormatStr = data;
    page.Objects.push_back(std::move(band));
}

void AddMemo(TfrPage& page, int x, int y, int width, int height, const QString& text)
{
    auto memo = std::make_unique<TfrMemoView>();
    memo->SetBounds(x, y, width, height);
    memo->Memo.Add(text);
    memo->Font.Name = QStringLiteral("Courier New");
    memo->Font.Size = 8;
    page.Objects.push_back(std::move(memo));
}

Result Band(const QStringList& lines, const QString& pdf)
{
    Result r;
    QObject owner;
    auto* data = new TfrUserDataset(&owner);
    data->setObjectName(QStringLiteral("Satirlar"));
    data->RangeEnd = reCount;
    data->RangeEndCount = static_cast<int>(lines.size());
    TfrReport report(&owner);
    report.Title = QStringLiteral("Satırlar");
    report.OnGetValue = [data, &lines](const QString& name, Variant& value) {
        if (name == QLatin1String("Satir") && data->RecNo < lines.size())
            value = Variant(lines[data->RecNo]);
    };
    TfrPage& page = report.Pages.Add();
    AddBand(page, btMasterData, 40, 13, QStringLiteral("Satirlar"));
    AddMemo(page, 0, 40, 718, 13, QStringLiteral("[Satir]"));
    AddBand(page, btPageFooter, 1000, 30);
    AddMemo(page, 600, 1002, 118, 16, QStringLiteral("Sayfa [PAGE#]"));
    frPrinterObject().SetPrinterIndex(frPrinterObject().VirtualPrinterIndex);
    const double start = CpuSeconds();
    if (!report.PrepareReport())
        return r;
    PrintToPdf(report, pdf);
    r.cpuSeconds = CpuSeconds() - start;
    r.pages = report.EMFPages.Count();
    r.ok = r.pages > 0 && QFile(pdf).size() > 0;
    return r;
}

// Runs one measurement in a child process and reads its result back through a pipe.
Result Measure(const char* kind, int count, char** argv)
{
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        int appArgc = 1;  // the measuring options are not Qt's
        QApplication app(appArgc, argv);
        RegisterApplicationFonts();
        SetFormatSettings(TFormatSettings::Turkish());
        auto dialogs = std::make_unique<ScriptedDialogService>();
        ScriptedDialogService* shown = dialogs.get();
        SetDialogs(std::move(dialogs));
        frInitEngine();
        QTemporaryDir dir;
        QDir::setCurrent(dir.path());
        const QStringList lines = ReportLines(count);
        const QString pdf = dir.filePath(QStringLiteral("cikti.pdf"));
        const std::string k = kind;
        Result r = k == "floor" ? Floor(lines, pdf) : k == "rich" ? Rich(lines, pdf) : Band(lines, pdf);
        r.peakKb = PeakKb();
        for (const QString& text : shown->Texts())
            std::fprintf(stderr, "%s: %s\n", kind, qPrintable(text));
        if (!shown->Texts().isEmpty())
            r.ok = false;
        (void)!write(fds[1], &r, sizeof r);
        close(fds[1]);
        std::fflush(nullptr);
        _exit(0);
    }
    close(fds[1]);
    Result r;
    if (read(fds[0], &r, sizeof r) != static_cast<ssize_t>(sizeof r))
        r = {};
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status))
        std::fprintf(stderr, "%s: the measuring process ended abnormally\n", kind);
    return r;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    std::vector<int> counts;
    std::vector<std::string> kinds;
    int runs = 3;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "-r", 2) == 0)
            runs = std::max(1, std::atoi(argv[i] + 2));
        else if (std::atoi(argv[i]) > 0)
            counts.push_back(std::atoi(argv[i]));
        else
            kinds.emplace_back(argv[i]);
    }
    if (counts.empty())
        counts = {20000, 100000};
    if (kinds.empty())
        kinds = {"floor", "rich", "band"};
    std::printf("%9s  %-5s  %7s  %9s  %8s  %9s  %12s  %8s  %10s  %9s\n", "lines", "kind", "pages", "lines/pg",
                "CPU s", "pages/s", "lines/s", "peak MB", "x floor", "mem x fl");
    int failures = 0;
    for (int count : counts) {
        Result floor;
        for (const std::string& name : kinds) {
            const char* kind = name.c_str();
            Result r;
            for (int run = 0; run < runs; ++run) {
                const Result one = Measure(kind, count, argv);
                if (!one.ok) {
                    r = one;
                    break;
                }
                if (!r.ok || one.cpuSeconds < r.cpuSeconds)
                    r = one;
            }
            if (!r.ok || r.cpuSeconds <= 0) {
                std::printf("%9d  %-5s  failed\n", count, kind);
                ++failures;
                continue;
            }
            const double rate = r.pages / r.cpuSeconds;
            if (std::string(kind) == "floor")
                floor = r;
            const double floorRate = floor.ok ? floor.pages / floor.cpuSeconds : 0;
            // A4 pages of Courier New 8 pt hold about the same number of lines whoever prints them:
            // far more lines a page means that lines went missing.
            const bool linesMissing = floor.ok && std::string(kind) != "floor" &&
                                      static_cast<double>(floor.pages) / r.pages > 1.25;
            std::printf("%9d  %-5s  %7d  %9.1f  %8.2f  %9.1f  %12.0f  %8.1f  %10.2f  %9.2f%s\n", count, kind, r.pages,
                        static_cast<double>(count) / r.pages, r.cpuSeconds, rate, count / r.cpuSeconds,
                        r.peakKb / 1024.0, floorRate > 0 ? rate / floorRate : 0.0,
                        floor.ok ? static_cast<double>(r.peakKb) / floor.peakKb : 0.0,
                        linesMissing ? "  too few pages: lines missing" : "");
            if (linesMissing)
                ++failures;
            std::fflush(stdout);
        }
    }
    return failures == 0 ? 0 : 1;
}
