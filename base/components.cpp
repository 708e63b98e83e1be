#include "base/components.h"

#include "base/strings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QWidget>

namespace {
// Component names compare without regard to case, as the class library's lookups did.
bool named(const QObject* o, const QString& name)
{
    return SameText(o->objectName(), name);
}
}  // namespace

QObject* FindGlobalComponent(const QString& name)
{
    if (name.isEmpty())
        return nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (named(w, name))
            return w;
    }
    if (QCoreApplication* app = QCoreApplication::instance()) {
        for (QObject* o : app->children()) {
            if (named(o, name))
                return o;
        }
    }
    return nullptr;
}

QObject* FindComponent(const QObject* owner, const QString& name)
{
    if (owner == nullptr || name.isEmpty())
        return nullptr;
    // An exact match is the common case and needs no walk of every object below the owner.
    if (QObject* exact = owner->findChild<QObject*>(name, Qt::FindChildrenRecursively))
        return exact;
    for (QObject* o : owner->findChildren<QObject*>(Qt::FindChildrenRecursively)) {
        if (named(o, name))
            return o;
    }
    return nullptr;
}

void KeepFocusIfSpeedButton(QAbstractButton* button)
{
    if (button->objectName().startsWith(QLatin1String("SpeedButton")))
        button->setFocusPolicy(Qt::NoFocus);
}
