#pragma once

#include <QObject>
#include <QString>

// The report component.
class TfrReport : public QObject {
    Q_OBJECT
public:
    explicit TfrReport(QObject* owner = nullptr);
    ~TfrReport() override;

    QString Title;
};
