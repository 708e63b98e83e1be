#pragma once

#include <QObject>
#include <QString>

// The report component.
class TfrReport : public QObject {
    Q_OBJECT
public:
    explicit TfrReport(QObject* owner = nullptr);
    ~TfrReport() override;
    bool Terminated = false;  // cancel of building or printing, polled by their loops

    QString Title;
};
