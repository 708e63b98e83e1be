#pragma once

#include <QString>

class QAbstractButton;
class QObject;

// Components are named Qt objects. The "global" ones are the application's named top-level objects:
// its top-level widgets (the forms) and the objects parented to the application (data modules).
QObject* FindGlobalComponent(const QString& name);
// A component of the owner by name, at any depth below it (a form owns every control on it);
// nullptr when the owner is null, the name is empty or nothing carries it.
QObject* FindComponent(const QObject* owner, const QString& name);

// The class library's speed buttons are drawn, not windowed, controls: a click on one runs its command
// and leaves the focus, and so a grid cell or an edit being typed, where it was. Applied to the buttons
// whose names say they are speed buttons ("SpeedButton52"); other buttons take the focus as usual.
void KeepFocusIfSpeedButton(QAbstractButton* button);
