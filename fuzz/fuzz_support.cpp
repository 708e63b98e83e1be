#include "fuzz_support.h"

#include "base/canvas.h"
#include "base/code_page.h"
#include "base/dialogs.h"
#include "base/fonts.h"
#include "base/format_settings.h"
#include "report/fr_globals.h"
#include "report/fr_report.h"
#include "report/fr_rich.h"

#include <QApplication>
#include <QImage>

#include <algorithm>

#include <cstdlib>
#include <memory>

ScriptedDialogService& FuzzStartUp()
{
    static ScriptedDialogService* dialogs = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        // No printer server: asking one for its papers on every template would make each run slow,
        // and the findings would depend on the printers of the machine.
        setenv("CUPS_SERVER", "/nonexistent/tavrelo-fuzz-cups.sock", 1);
        static int argc = 1;
        static char name[] = "tavrelo-fuzz";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
        SetApplicationTitle("Tavrelo Çözüm");
        RegisterApplicationFonts();
        SetFormatSettings(TFormatSettings::Turkish());
        auto scripted = std::make_unique<ScriptedDialogService>();
        ScriptedDialogService* kept = scripted.get();
        SetDialogs(std::move(scripted));
        frInitEngine();
        new TfrRichObject(qApp);
        return kept;
    }();
    dialogs->Reset();
    return *dialogs;
}

QString FuzzText(const uint8_t* data, size_t size)
{
    return FromCp1254(FuzzBytes(data, size));
}

void FuzzDrawPages(TfrReport& report, int maxPages)
{
    QImage image(200, 280, QImage::Format_RGB32);
    const int pages = std::min(report.EMFPages.Count(), maxPages);
    for (int i = 0; i < pages; ++i) {
        TCanvas canvas(&image);
        TfrEMFPage& page = report.EMFPages.Pages(i);
        page.Visible = 1;
        report.EMFPages.Draw(i, canvas, {0, 0, image.width(), image.height()});
        page.Visible = 0;
        report.EMFPages.Draw(i, canvas, {0, 0, 0, 0});
    }
}
