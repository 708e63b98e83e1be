#include "calc/payroll_assets/turnover_tab.h"

#include "app/help_window.h"
#include "app/main_window.h"
#include "calc/payroll_assets/calculator_widgets.h"
#include "calc/payroll_assets/turnover_ratios.h"
#include "base/date_time_picker.h"
#include "base/rich_edit.h"
#include "calc/report_pane_print.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct GroupCaptions {
    const char* group;
    const char* opening;
    const char* closing;
    const char* flow;
};

constexpr std::array<GroupCaptions, 5> Groups{{
    {"Alacaklar Devir Hızı Değerleri", "D.Başı Alacak Tutarı", "D.Sonu Alacak Tutarı", "D.İçi Toplam Satışlar"},
    {"Satıcılar Devir Hızı Değerleri", "D.Başı Borç Tutarı", "D.Sonu Borç Tutarı", "D.İçi Toplam Alımlar"},
    {"Ticari Stoklar Devir Hızı Değerleri", "Ticari Stok D.Başı Tutarı", "Ticari Stok D.Sonu Tutarı",
     "Ticari Stok Toplam Çıkışları"},
    {"Hammadde Stoklar Devir Hızı Değerleri", "D.Başı Tutarı", "D.Sonu Tutarı", "Toplam Çıkışlar"},
    {"Y.Mamul Stoklar Devir Hızı Değerleri", "D.Başı Tutarı", "D.Sonu Tutarı", "Toplam Çıkışlar"},
}};

}  // namespace

TurnoverRatioCalculator::TurnoverRatioCalculator(TForm1& form) : QObject(&form), form_(form)
{
    setObjectName("TurnoverRatioCalculator");
    QWidget* tab = form.TabSheet14;
    const auto [panel, title] =
        MakeCalculatorPanel(form, tab, "           DEVİR HIZLARI HESAPLAMA", "JvNavPaneToolPanel12");

    auto* inputs = new QVBoxLayout;
    const EditOptions amount{.maxLength = 22, .rightAligned = true, .filter = KeyFilter::Edit425KeyPress};
    for (size_t g = 0; g < Groups.size(); ++g) {
        auto* box = new QGroupBox(Groups[g].group, panel);
        auto* grid = new QGridLayout(box);
        // Tight boxes: the five groups, the period and the hints fit a 1280 x 720 screen.
        grid->setContentsMargins(8, 2, 8, 6);
        grid->setVerticalSpacing(2);
        const char* captions[3] = {Groups[g].opening, Groups[g].closing, Groups[g].flow};
        for (int k = 0; k < 3; ++k) {
            const size_t index = g * 3 + k;
            AmountEdits[index] = MakeEdit(box, QString("Edit%1").arg(399 + index), amount);
            grid->addWidget(MakeLabel(box, captions[k]), 0, k);
            grid->addWidget(AmountEdits[index], 1, k);
        }
        inputs->addWidget(box);
    }

    auto* period = new QGridLayout;
    DateTimePicker64 = MakeDatePicker(panel, "DateTimePicker64", QDate(2014, 1, 1));
    DateTimePicker65 = MakeDatePicker(panel, "DateTimePicker65", QDate(2014, 12, 31));
    Edit398 = MakeEdit(panel, "Edit398");
    period->addWidget(MakeLabel(panel, "Dönembaşı Tarihi"), 0, 0);
    period->addWidget(DateTimePicker64, 0, 1);
    period->addWidget(MakeLabel(panel, "Dönemsonu Tarihi"), 0, 2);
    period->addWidget(DateTimePicker65, 0, 3);
    period->addWidget(MakeLabel(panel, "GENEL AÇIKLAMA"), 1, 0);
    period->addWidget(Edit398, 1, 1, 1, 3);
    inputs->addLayout(period);
    for (const char* hint :
         {"* Dönembaşı Tarihi Devir Hızı Hesaplanacak İşlemin, Dönembaşı değerinin alındığı tarihtir.",
          "** Dönemsonu Tarihi Devir Hızı Hesaplanacak İşlemin, Dönemsonu değerinin alındığı tarihtir.",
          "***Genel Açıklamaya Firma ismini ve dönemini yazınız. Bu bölümde yazan rapor başlığı olarak "
          "çıkacaktır."}) {
        QLabel* label = MakeLabel(panel, hint);
        label->setWordWrap(true);
        inputs->addWidget(label);
    }

    auto* buttons = new QHBoxLayout;
    buttons->setObjectName("TurnoverButtons");
    buttons->addWidget(MakeButton(panel, "SpeedButton56", "HESAPLA", [this] { SpeedButton56Click(); }));
    buttons->addWidget(MakeButton(panel, "SpeedButton57", "SIFIRLA", [this] { SpeedButton57Click(); }));
    buttons->addWidget(MakeButton(panel, "SpeedButton5", "YAZDIR", [this] { SpeedButton5Click(); }));
    buttons->addWidget(MakeButton(panel, "tfXPButton10", "YARDIM", [this] { tfXPButton10Click(); }));
    buttons->addStretch();
    inputs->addLayout(buttons);
    inputs->addStretch();

    RichEdit13 = MakeReportPane(panel, "RichEdit13");
    RichEdit13->SetBackgroundColor(0x00FFFBF0);
    LayOutBesideReport(panel, title, inputs, RichEdit13);
}

void TurnoverRatioCalculator::SpeedButton56Click()
{
    std::array<long double, 15> amounts{};
    for (size_t i = 0; i < AmountEdits.size(); ++i)
        amounts[i] = ReformatAmount(AmountEdits[i]);
    RichEdit13->ClearLines();
    const TDateTime start = PickerDate(DateTimePicker64);
    const TDateTime end = PickerDate(DateTimePicker65);
    TurnoverGroups groups;
    for (size_t g = 0; g < groups.size(); ++g)
        groups[g] = {amounts[g * 3], amounts[g * 3 + 1], amounts[g * 3 + 2]};
    // Every day count first, so that a division by zero leaves the pane empty.
    const TurnoverDaysList days = TurnoverDaysOf(groups, static_cast<long double>(end) - start);
    RichEdit13->AddLines(TurnoverReportLines(Edit398->text(), start, end, days));
}

void TurnoverRatioCalculator::SpeedButton57Click()
{
    RichEdit13->ClearLines();
    for (QLineEdit* edit : AmountEdits)
        edit->clear();
}

void TurnoverRatioCalculator::SpeedButton5Click()
{
    ShowPaneReport(*form_.frReport2, *RichEdit13, "Devir Hızı Rapor Dökümü",
                   "Dorvan Rapor Önizleme - Devir Hızı raporu");
}

void TurnoverRatioCalculator::tfXPButton10Click()
{
    yardimF().ShowTopic("yardimdev");
}

void InstallTurnoverTab(TForm1& form)
{
    new TurnoverRatioCalculator(form);
}
