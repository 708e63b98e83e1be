#include "app/application.h"

#include "base/dialogs.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        // shown the way a guarded handler shows it
        Guarded([] { throw; });
    }
    return false;
}

std::unique_ptr<QTranslator> QtTranslations(const QLocale& locale)
{
    if (locale.language() != QLocale::Turkish)
        return nullptr;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return nullptr;
    return translator;
}
