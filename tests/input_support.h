#pragma once

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QString>
#include <QWidget>

// Keyboard, mouse and focus events sent straight to a widget, as the window system delivers them.

// One key: its press, and its release when asked.
inline void SendKey(QWidget* w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier,
                    const QString& text = {}, bool release = false)
{
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(w, &press);
    if (release) {
        QKeyEvent up(QEvent::KeyRelease, key, mods, text);
        QApplication::sendEvent(w, &up);
    }
}

// Types text one key a character with the key code a keyboard gives it; "\b" is Backspace.
inline void SendKeys(QWidget* w, const QString& text, bool release = false)
{
    for (QChar c : text) {
        if (c == u'\b')
            SendKey(w, Qt::Key_Backspace, Qt::NoModifier, {}, release);
        else
            SendKey(w, int(c.toUpper().unicode()), Qt::NoModifier, QString(c), release);
    }
}

inline void SendMouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton,
                      Qt::MouseButtons buttons = Qt::LeftButton)
{
    QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

inline void SendFocus(QWidget* w, QEvent::Type type)
{
    QFocusEvent e(type, Qt::TabFocusReason);
    QApplication::sendEvent(w, &e);
}
