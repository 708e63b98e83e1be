#pragma once

#include "calc/payroll_assets/depreciation_schedule.h"

#include <QObject>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QWidget;
class TDateTimePicker;
class TForm1;
class TRichEdit;

// "Amortisman": a depreciation schedule with yearly revaluation, journal and sale entries.
class DepreciationCalculator : public QObject {
    Q_OBJECT
public:
    explicit DepreciationCalculator(TForm1& form);

    void SpeedButton64Click();  // "AMORTİSMAN HESAPLA"
    void SpeedButton66Click();  // "SIFIRLA"
    void SpeedButton7Click();   // "YAZDIR"
    void SpeedButton70Click();  // "YEN.DEĞ.ORANLARI"
    void SpeedButton71Click();  // "ÇIKIŞ"
    void SpeedButton69Click();  // "SAKLA"
    void SpeedButton13Click();  // "Tümünü Seç/Kaldır"
    void tfXPButton11Click();   // help
    void Edit426Enter(QLineEdit* edit);
    void Edit426Exit();   // life -> rate
    void Edit427Change(); // rate -> life (on leaving the rate edit)
    // Stores the 25 revaluation rates in lines 21..45 of the settings member "repo".
    void amortsakla();

    QLineEdit* Edit422 = nullptr;  // asset name
    TDateTimePicker* DateTimePicker68 = nullptr;  // entry
    TDateTimePicker* DateTimePicker69 = nullptr;  // sale
    QLineEdit* Edit425 = nullptr;  // cost
    QLineEdit* Edit426 = nullptr;  // life in years
    QLineEdit* Edit427 = nullptr;  // rate in percent
    QComboBox* ComboBox1 = nullptr;
    QCheckBox* CheckBox6 = nullptr;
    QListWidget* CheckListBox1 = nullptr;
    std::array<QLineEdit*, RevaluationYearCount> RateEdits{};  // in year order
    QWidget* Panel25 = nullptr;
    TRichEdit* RichEdit15 = nullptr;
    // 1 while all years count as cleared: the next "Tümünü Seç/Kaldır" ticks them all.
    int RevalYearsCleared = 1;

private:
    void FormCreate();
    bool eventFilter(QObject* watched, QEvent* event) override;

    TForm1& form_;
};

void InstallDepreciationTab(TForm1& form);
