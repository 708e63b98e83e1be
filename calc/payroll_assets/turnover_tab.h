#pragma once

#include <QObject>

#include <array>

class QLineEdit;
class QWidget;
class TDateTimePicker;
class TForm1;
class TRichEdit;

// "Devir Hızı": turnover times of receivables, payables and three kinds of stock for one period.
class TurnoverRatioCalculator : public QObject {
    Q_OBJECT
public:
    explicit TurnoverRatioCalculator(TForm1& form);

    void SpeedButton56Click();  // "HESAPLA"
    void SpeedButton57Click();  // "SIFIRLA"
    void SpeedButton5Click();   // "YAZDIR"
    void tfXPButton10Click();   // help

    std::array<QLineEdit*, 15> AmountEdits{};  // Edit399 .. Edit413, three per group
    TDateTimePicker* DateTimePicker64 = nullptr;
    TDateTimePicker* DateTimePicker65 = nullptr;
    QLineEdit* Edit398 = nullptr;
    TRichEdit* RichEdit13 = nullptr;

private:
    TForm1& form_;
};

void InstallTurnoverTab(TForm1& form);
