#pragma once

#include <QString>

class QObject;

// Components are named Qt objects. The "global" ones are the application's named top-level objects:
// its top-level widgets (the forms) and the objects parented to the application (data modules).
QObject* FindGlobalComponent(const QString& name);
// A component of the owner by name, at any depth below it (a form owns every control on it);
// nullptr when the owner is null, the name is empty or nothing carries it.
QObject* FindComponent(const QObject* owner, const QString& name);
