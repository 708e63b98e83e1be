#pragma once

#include "calc/late_interest/late_interest_run.h"

#include <QObject>

class QCheckBox;
class QLineEdit;
class TDateTimePicker;
class TForm1;
class TRichEdit;

// The "Gecikme Faizi" tab: the inputs of one debt, the four runs that append to one report with a
// cumulative total, the reset and the help button.
class LatePaymentInterestCalculator : public QObject {
    Q_OBJECT
public:
    explicit LatePaymentInterestCalculator(TForm1& form);

    void SpeedButton44Click(); // late-payment interest, detailed
    void SpeedButton47Click(); // late-payment interest, summary
    void SpeedButton48Click(); // deferral interest, detailed
    void SpeedButton49Click(); // deferral interest, summary
    void SpeedButton45Click(); // reset
    void SpeedButton4Click();  // "YAZDIR": the report pane through the report engine
    void tfXPButton13Click();  // help

private:
    void BuildWidgets(TForm1& form);
    void Run(InterestSide side, RunForm form);

    TDateTimePicker* DateTimePicker62 = nullptr; // process date
    TDateTimePicker* DateTimePicker63 = nullptr; // debt date
    QLineEdit* Edit372 = nullptr;
    QLineEdit* Edit373 = nullptr;
    QLineEdit* Edit374 = nullptr;
    QLineEdit* Edit375 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QCheckBox* CheckBox3 = nullptr;
    TRichEdit* RichEdit10 = nullptr;
    TForm1& form_;
};

void InstallLateInterestTab(TForm1& form);
