#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QString>

#include <functional>

class QLabel;
class QPushButton;
class TfrReport;

// The progress window of building and printing. The caller's work starts once the window is on screen
// and runs inside its modal loop; the work writes its progress into Label1, lets waiting events through
// between pages so that Cancel is seen, and closes the window with OK when it ends.
class TfrProgressForm : public QDialog {
    Q_OBJECT
public:
    explicit TfrProgressForm(QWidget* parent = nullptr);

    QLabel* Label1;
    QPushButton* Button1;
    TfrReport* WorkReport = nullptr;
    std::function<void(TfrProgressForm* sender)> OnShownWork;
    QString ProgressPrefix;

    // Shows the window modally and runs the work in it; the modal result: 1 done, 2 cancelled.
    int RunModal(TfrReport* report);
    // Cancel (the button and the Esc key): the report's Terminated flag and the modal result Cancel.
    void Button1Click();
    // The work's end.
    void Finish() { done(1); }
    // Called by the work as often as it likes: waiting events (repainting, Cancel) are let through at
    // once the first time, then when a few hundredths of a second have passed, so that the window
    // stays alive without costing the work its time.
    void LetEventsThrough();

    void reject() override;

protected:
    void customEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool running_ = false;
    QElapsedTimer sinceEvents_;
};

// The one progress window of the program, made on first use and freed with the application.
TfrProgressForm& frGetProgressForm();

// Whether a report's long work runs in the progress window: asked for, not reported to a handler of
// the caller's own, and in a program with widgets (without them the work runs directly).
bool frUsesProgressWindow(const TfrReport& report);

// A window's caption: the text, then the report's title when it has one.
QString frCaptionWithTitle(const QString& text, const QString& title);
