#include "test_support.h"

#include "base/fonts.h"
#include "base/format_settings.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
#ifndef TAVRELO_MACHINE_PRINTERS
    // A print server nobody answers at: these tests see no installed printer on any machine.
    qputenv("CUPS_SERVER", "/nonexistent/tavrelo-tests/cups.sock");
#endif
    QApplication app(argc, argv);
    SetApplicationTitle("Tavrelo Çözüm");
    RegisterApplicationFonts();
    SetFormatSettings(TFormatSettings::Turkish());
    TestDialogs();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
