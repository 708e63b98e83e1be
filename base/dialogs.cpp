#include "base/dialogs.h"

#include "base/exceptions.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {
std::unique_ptr<DialogService>& serviceSlot()
{
    static std::unique_ptr<DialogService> service = std::make_unique<QtDialogService>();
    return service;
}

QString& titleSlot()
{
    static QString title = "Tavrelo Çözüm";
    return title;
}
}  // namespace

DialogService& Dialogs()
{
    return *serviceSlot();
}

std::unique_ptr<DialogService> SetDialogs(std::unique_ptr<DialogService> service)
{
    std::unique_ptr<DialogService> old = std::move(serviceSlot());
    serviceSlot() = std::move(service);
    return old;
}

QString ApplicationTitle()
{
    return titleSlot();
}

void SetApplicationTitle(const QString& title)
{
    titleSlot() = title;
}

void DialogService::ShowMessage(const QString& text)
{
    MessageBox(text, ApplicationTitle(), NoIcon, Ok);
}

void DialogService::ShowError(const QString& text)
{
    MessageBox(text, "Hata", Error, Ok);
}

bool DialogService::Confirm(const QString& text)
{
    return MessageBox(text, "Onay", Question, YesNo) == AnswerYes;
}

DialogService::Answer QtDialogService::MessageBox(const QString& text, const QString& caption, Icon icon,
                                                  Buttons buttons)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(caption);
    box.setText(text);
    switch (icon) {
    case Information: box.setIcon(QMessageBox::Information); break;
    case Warning: box.setIcon(QMessageBox::Warning); break;
    case Error: box.setIcon(QMessageBox::Critical); break;
    case Question: box.setIcon(QMessageBox::Question); break;
    case NoIcon: break;
    }
    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    switch (buttons) {
    case Ok: ok = box.addButton("Tamam", QMessageBox::AcceptRole); break;
    case OkCancel:
        ok = box.addButton("Tamam", QMessageBox::AcceptRole);
        cancel = box.addButton("İptal", QMessageBox::RejectRole);
        break;
    case YesNo:
        yes = box.addButton("Evet", QMessageBox::YesRole);
        no = box.addButton("Hayır", QMessageBox::NoRole);
        break;
    case YesNoCancel:
        yes = box.addButton("Evet", QMessageBox::YesRole);
        no = box.addButton("Hayır", QMessageBox::NoRole);
        cancel = box.addButton("İptal", QMessageBox::RejectRole);
        break;
    }
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    if (clicked && clicked == yes)
        return AnswerYes;
    if (clicked && clicked == no)
        return AnswerNo;
    if (clicked && clicked == ok)
        return AnswerOk;
    if (cancel)
        return AnswerCancel;
    return no ? AnswerNo : AnswerOk;
}

QString QtDialogService::OpenFileName(const QString& title, const QString& filter, const QString& dir)
{
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, dir, filter);
}

QString QtDialogService::SaveFileName(const QString& title, const QString& filter, const QString& dir)
{
    // The callers ask their own overwrite question, as the original's save dialogs did.
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, dir, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

bool QtDialogService::InputQuery(const QString& caption, const QString& prompt, QString& value)
{
    bool ok = false;
    QString text = QInputDialog::getText(QApplication::activeWindow(), caption, prompt, QLineEdit::Normal,
                                         value, &ok);
    if (ok)
        value = text;
    return ok;
}

DialogService::Answer ScriptedDialogService::MessageBox(const QString& text, const QString& caption, Icon icon,
                                                        Buttons buttons)
{
    shown.push_back({"message", text, caption, icon, buttons, QString()});
    if (!answers.empty()) {
        Answer a = answers.front();
        answers.erase(answers.begin());
        return a;
    }
    return buttons == YesNo || buttons == YesNoCancel ? AnswerYes : AnswerOk;
}

QString ScriptedDialogService::OpenFileName(const QString& title, const QString& filter, const QString& dir)
{
    shown.push_back({"open", filter, title, NoIcon, Ok, dir});
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

QString ScriptedDialogService::SaveFileName(const QString& title, const QString& filter, const QString& dir)
{
    shown.push_back({"save", filter, title, NoIcon, Ok, dir});
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

bool ScriptedDialogService::InputQuery(const QString& caption, const QString& prompt, QString& value)
{
    shown.push_back({"input", prompt, caption, NoIcon, OkCancel, QString()});
    if (inputs.isEmpty())
        return false;
    QString answer = inputs.takeFirst();
    if (answer.isNull())
        return false;
    value = answer;
    return true;
}

QStringList ScriptedDialogService::Texts() const
{
    QStringList texts;
    for (const Shown& s : shown)
        if (s.kind == "message")
            texts << s.text;
    return texts;
}

void ScriptedDialogService::Reset()
{
    shown.clear();
    answers.clear();
    fileNames.clear();
    inputs.clear();
}

void ShowException(const std::exception& e)
{
    Dialogs().MessageBox(ExceptionText(e), ApplicationTitle(), DialogService::Error, DialogService::Ok);
}

bool Guarded(const std::function<void()>& f)
{
    try {
        f();
        return true;
    } catch (const std::exception& e) {
        ShowException(e);
    } catch (...) {
        Dialogs().MessageBox("Beklenmeyen bir hata oluştu.", ApplicationTitle(), DialogService::Error,
                             DialogService::Ok);
    }
    return false;
}
