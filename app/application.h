#pragma once

#include <QApplication>

#include <memory>

class QLocale;
class QTranslator;

// The application object: an exception that leaves any event handler, also one not connected
// through ConnectGuarded, is shown with its text and the program goes on.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Qt's translations for its own dialogs (files, printing, buttons) when the locale is Turkish; none
// for another locale or when they are not installed. The caller installs and keeps it.
std::unique_ptr<QTranslator> QtTranslations(const QLocale& locale);
