#include "app/main_window.h"
#include "base/dialogs.h"
#include "base/fonts.h"
#include "base/format_settings.h"
#include "calc/calculators.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    SetApplicationTitle("Tavrelo Çözüm");
    QApplication::setApplicationName("Tavrelo Çözüm");
    SetFormatSettings(TFormatSettings::FromSystemLocale());
    RegisterApplicationFonts();

    TForm1 form;
    InstallCalculators(form);
    form.FormCreate();
    form.resize(1200, 800);
    form.show();
    return app.exec();
}
