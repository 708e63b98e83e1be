#include "app/application.h"

#include "base/dialogs.h"

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
