#include "calc/payroll_assets/severance_tab.h"

#include "app/help_window.h"
#include "app/main_window.h"
#include "app/shell_routines.h"
#include "base/dialogs.h"
#include "base/date_time_picker.h"
#include "base/rich_edit.h"
#include "calc/payroll_assets/calculator_widgets.h"
#include "calc/payroll_assets/severance_notice_pay.h"
#include "calc/payroll_assets/severance_release_deed.h"
#include "calc/payroll_assets/ucret_settings.h"
#include "calc/report_pane_print.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString OneYearMessage = "Kıdem Tazminatı hesaplanacak kişinin bir yılını doldurmuş olması gerekir!";
}

SeveranceNoticePayCalculator::SeveranceNoticePayCalculator(TForm1& form) : QObject(&form), form_(form)
{
    setObjectName("SeveranceNoticePayCalculator");
    QWidget* tab = form.TabSheet15;
    const QString caption = "        KIDEM/İHBAR TAZMİNATI HESAPLAMA";
    const auto [panel, title] = MakeCalculatorPanel(form, tab, caption, "SeverancePanel");

    const auto amountFilter = KeyFilter::Edit425KeyPress;
    Edit414 = MakeEdit(panel, "Edit414", {.maxLength = 30});
    Edit435 = MakeEdit(panel, "Edit435");
    Edit418 = MakeEdit(panel, "Edit418");
    Edit419 = MakeEdit(panel, "Edit419");
    DateTimePicker66 = MakeDatePicker(panel, "DateTimePicker66", QDate(2011, 7, 1));
    DateTimePicker67 = MakeDatePicker(panel, "DateTimePicker67", QDate(2015, 3, 31));
    Edit415 = MakeEdit(panel, "Edit415", {.maxLength = 21, .rightAligned = true, .filter = amountFilter});
    Edit416 = MakeEdit(panel, "Edit416", {.maxLength = 2, .filter = amountFilter});
    Edit417 = MakeEdit(panel, "Edit417", {.maxLength = 15, .rightAligned = true, .filter = amountFilter});
    Edit424 = MakeEdit(panel, "Edit424", {.maxLength = 21, .rightAligned = true, .filter = amountFilter});
    Edit424->setText(LocalizedDesignAmount("2731,85"));
    Edit423 = MakeEdit(panel, "Edit423", {.filter = KeyFilter::Edit379KeyPress});
    Edit423->setText(LocalizedDesignAmount("0,75"));
    Edit420 = MakeEdit(panel, "Edit420", {.rightAligned = true, .readOnly = true});
    Edit421 = MakeEdit(panel, "Edit421", {.rightAligned = true, .readOnly = true});
    CheckBox5 = new QCheckBox(panel);
    CheckBox5->setObjectName("CheckBox5");
    CheckBox5->setVisible(false);

    auto* grid = new QGridLayout;
    const std::pair<const char*, QWidget*> rows[] = {
        {"Adı Soyadı", Edit414},
        {"Firma Adı", Edit435},
        {"Açıklama", Edit418},
        {"Sicil No", Edit419},
        {"İşe Giriş Tarihi", DateTimePicker66},
        {"İşten Çıkış Tarihi", DateTimePicker67},
        {"Brüt Ücret", Edit415},
        {"İkramiye Yılda Kaç Adet", Edit416},
        {"Yemek Bedeli Günlük ", Edit417},
        {"Kıdem Tazminatı Tavanı", Edit424},
        {"Damga Vergisi Oranı", Edit423},
        {"Net Kıdem Tazminatı", Edit420},
        {"Net İhbar Tazminatı", Edit421},
    };
    int r = 0;
    for (const auto& [label, widget] : rows) {
        grid->addWidget(MakeLabel(panel, label), r, 0);
        grid->addWidget(widget, r++, 1);
    }

    auto* buttons = new QGridLayout;
    buttons->setObjectName("SeveranceButtons");
    buttons->addWidget(MakeButton(panel, "SpeedButton59", "KIDEM HESAPLA", [this] { SpeedButton59Click(); }), 0, 0);
    buttons->addWidget(MakeButton(panel, "SpeedButton62", "İHBAR HESAPLA", [this] { SpeedButton62Click(); }), 0, 1);
    buttons->addWidget(
        MakeButton(panel, "SpeedButton63", "İHBAR+KIDEM HESAPLA", [this] { SpeedButton63Click(); }), 1, 0);
    buttons->addWidget(MakeButton(panel, "SpeedButton12", "İBRANAME HAZIRLA", [this] { SpeedButton12Click(); }), 1,
                       1);
    buttons->addWidget(MakeButton(panel, "SpeedButton61", "SIFIRLA", [this] { SpeedButton61Click(); }), 2, 0);
    buttons->addWidget(
        MakeButton(panel, "SpeedButton16", "SABİT ORANLARI SAKLA", [&form] { ucretsakla(form); }), 2, 1);
    buttons->addWidget(MakeButton(panel, "tfXPButton9", "YARDIM", [this] { tfXPButton9Click(); }), 3, 0);
    buttons->addWidget(MakeButton(panel, "SpeedButton6", "YAZDIR", [this] { SpeedButton6Click(); }), 3, 1);

    auto* inputs = new QVBoxLayout;
    inputs->addLayout(grid);
    inputs->addLayout(buttons);
    inputs->addWidget(CheckBox5);
    inputs->addStretch();

    RichEdit14 = MakeReportPane(panel, "RichEdit14");
    LayOutBesideReport(panel, title, inputs, RichEdit14);
}

EmployeeFields SeveranceNoticePayCalculator::Employee() const
{
    return {Edit414->text(), Edit435->text(), Edit418->text(), Edit419->text(), PickerDate(DateTimePicker66),
            PickerDate(DateTimePicker67)};
}

QString SeveranceNoticePayCalculator::PayrollText(const char* name) const
{
    const auto* edit = form_.findChild<QLineEdit*>(name);
    return edit ? edit->text() : QString();
}

void SeveranceNoticePayCalculator::Opening()
{
    if (CheckBox5->isChecked())
        RichEdit14->ClearLines();
    ReformatAmount(Edit415);
    ReformatAmount(Edit417);
}

bool SeveranceNoticePayCalculator::Severance()
{
    Opening();
    const EmployeeFields employee = Employee();
    if (!HasServedOneYear(employee.entry, employee.exit)) {
        Dialogs().ShowMessage(OneYearMessage);
        return false;
    }
    const SeverancePay pay =
        ComputeSeverance(StrToAmount(Edit415->text()), StrToAmount(Edit416->text()), StrToAmount(Edit417->text()),
                         StrToAmount(Edit424->text()), StrToAmount(Edit423->text()), employee.entry, employee.exit);
    Edit420->setText(StatementAmount(pay.net));
    RichEdit14->AddLines(
        SeveranceStatementLines(employee, Edit415->text(), Edit416->text(), Edit417->text(), pay));
    CheckBox5->setChecked(true);
    return true;
}

void SeveranceNoticePayCalculator::SpeedButton59Click()
{
    Severance();
}

void SeveranceNoticePayCalculator::SpeedButton62Click()
{
    Opening();
    const long double incomeTaxRate = StrToAmount(PayrollText("Edit384"));
    const long double stampRate = StrToAmount(PayrollText("Edit385"));
    const long double wage = StrToAmount(Edit415->text());
    const EmployeeFields employee = Employee();
    const NoticePay pay = ComputeNoticePay(wage, incomeTaxRate, stampRate, employee.entry, employee.exit);
    Edit421->setText(StatementAmount(pay.net));
    RichEdit14->AddLines(NoticeStatementLines(employee, Edit415->text(), pay));
    CheckBox5->setChecked(true);
}

void SeveranceNoticePayCalculator::SpeedButton63Click()
{
    ReformatAmount(Edit415);
    ReformatAmount(Edit417);
    const bool severanceDue = Severance();
    CheckBox5->setChecked(false);
    SpeedButton62Click();
    // A severance refused by the one-year rule is none: an earlier run's figure must not enter the total.
    if (!severanceDue)
        Edit420->clear();
    const long double total = StrToAmount(Edit420->text()) + StrToAmount(Edit421->text());
    RichEdit14->AddLines(SeveranceTotalLines(total));
    RichEdit14->AddLines(ReleaseDeedLines(Employee()));
}

void SeveranceNoticePayCalculator::SpeedButton12Click()
{
    CheckBox5->setChecked(true);
    RichEdit14->ClearLines();
    QStringList lines;
    for (int i = 0; i < 9; ++i)
        lines << " ";
    RichEdit14->AddLines(lines + ReleaseDeedLines(Employee()));
}

void SeveranceNoticePayCalculator::SpeedButton61Click()
{
    CheckBox5->setChecked(false);
    RichEdit14->ClearLines();
    for (QLineEdit* edit : {Edit414, Edit415, Edit416, Edit417, Edit420, Edit421, Edit435, Edit418, Edit419})
        edit->clear();
}

void SeveranceNoticePayCalculator::SpeedButton6Click()
{
    ShowPaneReport(*form_.frReport2, *RichEdit14, "Kıdem/İhbar Dökümü", "Dorvan Rapor Önizleme - Kıdem/İhbar raporu");
}

void SeveranceNoticePayCalculator::tfXPButton9Click()
{
    yardimF().ShowTopic("yardimkdm");
}

void InstallSeveranceTab(TForm1& form)
{
    new SeveranceNoticePayCalculator(form);
}
