#pragma once

#include <QApplication>

// The application object: an exception that leaves any event handler, also one not connected
// through ConnectGuarded, is shown with its text and the program goes on.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
