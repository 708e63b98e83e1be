#pragma once

#include "calc/payroll_assets/severance_pay.h"

#include <QObject>

class QCheckBox;
class QLineEdit;
class QWidget;
class TDateTimePicker;
class TForm1;
class TRichEdit;

// "Kıdem+İhbar": severance and notice pay of one leaving employee, their statements and the
// release deed.
class SeveranceNoticePayCalculator : public QObject {
    Q_OBJECT
public:
    explicit SeveranceNoticePayCalculator(TForm1& form);

    void SpeedButton59Click();  // "KIDEM HESAPLA"
    void SpeedButton62Click();  // "İHBAR HESAPLA"
    void SpeedButton63Click();  // "İHBAR+KIDEM HESAPLA"
    void SpeedButton12Click();  // "İBRANAME HAZIRLA"
    void SpeedButton61Click();  // "SIFIRLA"
    void SpeedButton6Click();   // "YAZDIR"
    void tfXPButton9Click();    // help

    QLineEdit* Edit414 = nullptr;  // name
    QLineEdit* Edit435 = nullptr;  // company
    QLineEdit* Edit418 = nullptr;  // description
    QLineEdit* Edit419 = nullptr;  // register number
    TDateTimePicker* DateTimePicker66 = nullptr;  // entry
    TDateTimePicker* DateTimePicker67 = nullptr;  // exit
    QLineEdit* Edit415 = nullptr;  // monthly gross wage
    QLineEdit* Edit416 = nullptr;  // bonuses per year
    QLineEdit* Edit417 = nullptr;  // daily meal allowance
    QLineEdit* Edit424 = nullptr;  // severance ceiling
    QLineEdit* Edit423 = nullptr;  // stamp-tax rate of severance
    QLineEdit* Edit420 = nullptr;  // net severance
    QLineEdit* Edit421 = nullptr;  // net notice pay
    QCheckBox* CheckBox5 = nullptr;  // the statement text is in use: the next statement starts afresh
    TRichEdit* RichEdit14 = nullptr;

private:
    void Opening();
    bool Severance();  // false when the one-year rule stopped it
    EmployeeFields Employee() const;
    QString PayrollText(const char* name) const;

    TForm1& form_;
};

void InstallSeveranceTab(TForm1& form);
