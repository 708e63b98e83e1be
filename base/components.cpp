#include "base/components.h"

#include <QApplication>
#include <QWidget>

QObject* FindGlobalComponent(const QString& name)
{
    if (name.isEmpty())
        return nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name)
            return w;
    }
    if (QCoreApplication* app = QCoreApplication::instance()) {
        for (QObject* o : app->children()) {
            if (o->objectName() == name)
                return o;
        }
    }
    return nullptr;
}

QObject* FindComponent(const QObject* owner, const QString& name)
{
    if (owner == nullptr || name.isEmpty())
        return nullptr;
    return owner->findChild<QObject*>(name, Qt::FindChildrenRecursively);
}
