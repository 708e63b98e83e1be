#include "app/application.h"
#include "app/help_window.h"
#include "app/main_window.h"
#include "base/dialogs.h"
#include "base/fonts.h"
#include "base/format_settings.h"
#include "calc/calculators.h"

int main(int argc, char* argv[])
{
    TApplication app(argc, argv);
    SetApplicationTitle("Tavrelo Çözüm");
    QApplication::setApplicationName("Tavrelo Çözüm");
    SetFormatSettings(TFormatSettings::FromSystemLocale());
    RegisterApplicationFonts();

    TForm1 form;
    InstallCalculators(form);
    yardimF();  // the help window exists from the start, hidden until a help button shows it
    form.FormCreate();
    form.resize(1200, 800);
    form.show();
    return app.exec();
}
