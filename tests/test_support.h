#pragma once

#include "app/main_window.h"
#include "base/dialogs.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

class QWidget;

// A press and release of the left mouse button over the middle of a widget, as a user clicks: its
// window is shown and active and the tab pages holding it are brought forward first, and the focus
// moves as the click gives it.
void MouseClick(QWidget* widget);
// The same at a point of the widget (its own coordinates): the child widget under the point gets it,
// as the window system delivers a click; a point on no child goes to the widget itself.
void MouseClickAt(QWidget* widget, QPoint at);

// A click on a character of a date picker's text (the day, month or year under it), and one on the
// picker's drop-down button.
void ClickDateCharacter(QWidget* picker, int character);
void ClickDropDownButton(QWidget* picker);

// Clicks into a widget and types the text with a key press and release per character through the
// widget that has the focus then, replacing the text it held.
void TypeKeys(QWidget* widget, const QString& text);
// Types the text at once, key after key, through whichever widget has the focus, with no click first;
// "\r" is Enter, "\x1b" Esc.
void TypeInFocus(const QString& text);

// A key pressed and released in the widget that has the focus.
void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Keys pressed and released one after another in the widget that has the focus (the focused widget
// of an open pop-up while there is one). Words are separated by blanks; a word starting with a
// capital is a key name ("Right", "Esc", "Enter", "Shift+Tab"), any other is typed character by character.
void PressKeys(const QString& keys);

// The page sizes of a PDF file in points, in page order; none when it cannot be read.
std::vector<QSize> PdfPageSizes(const QString& fileName);

// The scripted dialog service every test runs with (installed by the test main).
ScriptedDialogService& TestDialogs();

// Runs each test in a fresh empty working folder with the Turkish settings and a clean dialog record.
// While it lives the disk is "full" after the given bytes: a file-size limit, which binds root too.
class DiskFullAfter {
public:
    explicit DiskFullAfter(long bytes);
    ~DiskFullAfter();
    DiskFullAfter(const DiskFullAfter&) = delete;
    DiskFullAfter& operator=(const DiskFullAfter&) = delete;

private:
    long oldCur_ = 0;
    void (*oldSignal_)(int) = nullptr;
};

class WorkingFolderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    QString Path(const QString& name) const;  // a file in the working folder
    void WriteFile(const QString& name, const QByteArray& bytes) const;
    QByteArray ReadFile(const QString& name) const;  // "<yok>" when it cannot be read

    QTemporaryDir dir_;
    QString oldCwd_;
};

// A working folder plus the main window with every calculator installed and started.
class MainWindowTest : public WorkingFolderTest {
protected:
    void SetUp() override;
    void TearDown() override;
    void RecreateWindow();  // a restart: a new window over the same working folder

    template <typename T>
    T* Find(const QString& name) const
    {
        T* w = form_->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << "no component " << name.toStdString();
        return w;
    }

    std::unique_ptr<TForm1> form_;
};
