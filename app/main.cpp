#include "app/application.h"
#include "app/help_window.h"
#include "app/main_window.h"
#include "base/dialogs.h"
#include "base/fonts.h"
#include "base/format_settings.h"
#include "calc/calculators.h"

#include <QLocale>
#include <QScreen>
#include <QTranslator>

int main(int argc, char* argv[])
{
    TApplication app(argc, argv);
    SetApplicationTitle("Tavrelo Çözüm");
    QApplication::setApplicationName("Tavrelo Çözüm");
    SetFormatSettings(TFormatSettings::FromSystemLocale());
    const std::unique_ptr<QTranslator> qtTranslations = QtTranslations(QLocale::system());
    if (qtTranslations)
        QCoreApplication::installTranslator(qtTranslations.get());
    RegisterApplicationFonts();

    TForm1 form;
    InstallCalculators(form);
    yardimF();  // the help window exists from the start, hidden until a help button shows it
    form.FormCreate();
    form.ShowOnWorkArea(QGuiApplication::primaryScreen()->availableGeometry());
    return app.exec();
}
