#include "report/fr_progr.h"

#include "base/dialogs.h"
#include "report/fr_ctrls.h"
#include "report/fr_globals.h"
#include "report/fr_report.h"
#include "report/fr_strings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

namespace {
// Posted to the window itself so that the work starts once the modal loop runs.
const QEvent::Type kStartWork = static_cast<QEvent::Type>(QEvent::User + 1);

void FreeProgressForm()
{
    delete frProgressForm;
    frProgressForm = nullptr;
}
}  // namespace

TfrProgressForm::TfrProgressForm(QWidget* parent) : QDialog(parent)
{
    setObjectName("frProgressForm");
    // no close box: only Cancel or the end of the work closes it
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint);
    setFixedSize(278, 106);
    setFont(frWindowFont());
    Label1 = frPlace(new QLabel(this), "Label1", 20, 32, 237, 16);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Button1 = frPlace(new QPushButton(this), "Button1", 100, 68, 75, 25);
    Button1->setText(frLoadStr(frRes_Cancel));
    ConnectGuarded(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

int TfrProgressForm::RunModal(TfrReport* report)
{
    WorkReport = report;
    running_ = true;
    sinceEvents_.invalidate();
    QCoreApplication::postEvent(this, new QEvent(kStartWork));
    const int result = exec();
    running_ = false;
    return result;
}

void TfrProgressForm::customEvent(QEvent* event)
{
    if (event->type() != kStartWork || !running_)
        return;
    if (!OnShownWork)
        return;
    // A work that fails must not leave the modal loop waiting for an end that never comes.
    const bool ok = Guarded([this] { OnShownWork(this); });
    if (!ok && isVisible())
        done(2);
}

void TfrProgressForm::LetEventsThrough()
{
    // about twenty times a second: the label is read, Cancel answers at once to the eye
    constexpr qint64 intervalMs = 50;
    if (sinceEvents_.isValid() && !sinceEvents_.hasExpired(intervalMs))
        return;
    QCoreApplication::processEvents();
    sinceEvents_.start();
}

void TfrProgressForm::Button1Click()
{
    if (WorkReport != nullptr)
        WorkReport->Terminated = true;
    done(2);
}

void TfrProgressForm::reject()
{
    Button1Click();
}

void TfrProgressForm::closeEvent(QCloseEvent* event)
{
    // the frame cannot close it
    event->ignore();
}

TfrProgressForm& frGetProgressForm()
{
    if (frProgressForm == nullptr) {
        frProgressForm = new TfrProgressForm;
        qAddPostRoutine(FreeProgressForm);
    }
    return *frProgressForm;
}

bool frUsesProgressWindow(const TfrReport& report)
{
    return report.ShowProgress && !report.OnProgress &&
           qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

QString frCaptionWithTitle(const QString& text, const QString& title)
{
    return title.isEmpty() ? text : text + " - " + title;
}
