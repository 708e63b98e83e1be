#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QWidget;

// Every message box, confirmation, file dialog and input box goes through one service, so that tests
// can script the answers and read back what was shown.
class DialogService {
public:
    enum Icon { NoIcon, Information, Warning, Error, Question };
    enum Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum Answer { AnswerOk, AnswerCancel, AnswerYes, AnswerNo };

    virtual ~DialogService() = default;
    virtual Answer MessageBox(const QString& text, const QString& caption, Icon icon, Buttons buttons) = 0;
    // filter in Qt form ("Ücret dosyaları (*.tus)"); empty result when cancelled
    virtual QString OpenFileName(const QString& title, const QString& filter, const QString& dir) = 0;
    virtual QString SaveFileName(const QString& title, const QString& filter, const QString& dir) = 0;
    // false when cancelled
    virtual bool InputQuery(const QString& caption, const QString& prompt, QString& value) = 0;

    // Shortcuts with the class library's usual captions.
    void ShowMessage(const QString& text);                  // application title, no icon, OK
    void ShowError(const QString& text);                    // "Hata", error icon, OK
    bool Confirm(const QString& text);                      // "Onay", question, Yes/No; true on Yes
};

DialogService& Dialogs();
// Installs a service and returns the previous one (tests restore it).
std::unique_ptr<DialogService> SetDialogs(std::unique_ptr<DialogService> service);

// The real dialogs over Qt.
class QtDialogService : public DialogService {
public:
    Answer MessageBox(const QString& text, const QString& caption, Icon icon, Buttons buttons) override;
    QString OpenFileName(const QString& title, const QString& filter, const QString& dir) override;
    QString SaveFileName(const QString& title, const QString& filter, const QString& dir) override;
    bool InputQuery(const QString& caption, const QString& prompt, QString& value) override;
};

// Records every dialog and answers from queues; an empty queue answers Yes/OK, no file, no input.
class ScriptedDialogService : public DialogService {
public:
    struct Shown {
        QString kind;  // "message", "open", "save", "input"
        QString text;
        QString caption;
        Icon icon = NoIcon;
        Buttons buttons = Ok;
        QString dir;  // the folder or file a file dialog proposed
    };
    Answer MessageBox(const QString& text, const QString& caption, Icon icon, Buttons buttons) override;
    QString OpenFileName(const QString& title, const QString& filter, const QString& dir) override;
    QString SaveFileName(const QString& title, const QString& filter, const QString& dir) override;
    bool InputQuery(const QString& caption, const QString& prompt, QString& value) override;

    std::vector<Shown> shown;
    std::vector<Answer> answers;
    QStringList fileNames;
    QStringList inputs;  // a null QString answers Cancel

    QStringList Texts() const;  // the texts of every message shown, in order
    void Reset();
};

// The application's default error handling: runs f, and an exception that leaves it is shown through
// the dialog service with its text; the program goes on. Returns false when f raised.
bool Guarded(const std::function<void()>& f);
void ShowException(const std::exception& e);
QString ApplicationTitle();
void SetApplicationTitle(const QString& title);

#include <QObject>

// Connects a signal to a handler that runs under the default error handling.
template <typename Sender, typename Signal, typename F>
QMetaObject::Connection ConnectGuarded(Sender* sender, Signal signal, QObject* context, F handler)
{
    return QObject::connect(sender, signal, context, [handler]() { Guarded(handler); });
}
