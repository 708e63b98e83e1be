#include "calc/payroll_assets/depreciation_tab.h"

#include "app/help_window.h"
#include "app/main_window.h"
#include "app/settings_archive.h"
#include "app/shell_routines.h"
#include "base/color.h"
#include "base/date_time_picker.h"
#include "base/date_time.h"
#include "base/dialogs.h"
#include "base/rich_edit.h"
#include "calc/payroll_assets/calculator_widgets.h"
#include "calc/payroll_assets/depreciation_life_rate.h"
#include "calc/report_pane_print.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The rates panel lies in five columns of five years.
QWidget* MakeRatesPanel(QWidget* parent, std::array<QLineEdit*, RevaluationYearCount>& rateEdits,
                        QPushButton* save, QPushButton* close)
{
    auto* panel = new QGroupBox("YENİDEN DEĞERLEME ORANLARI", parent);
    panel->setObjectName("Panel25");
    auto* grid = new QGridLayout;
    const EditOptions rate{.maxLength = 6, .rightAligned = true, .filter = KeyFilter::Edit425KeyPress};
    for (int column = 0; column < 5; ++column) {
        grid->addWidget(MakeBoldLabel(panel, "YILLAR"), 0, column * 2);
        grid->addWidget(MakeBoldLabel(panel, "ORANI"), 0, column * 2 + 1);
    }
    for (int i = 0; i < RevaluationYearCount; ++i) {
        const RevaluationYear& y = RevaluationYearTable[i];
        rateEdits[i] = MakeEdit(panel, y.rateEdit, rate);
        rateEdits[i]->setMaximumWidth(90);
        const int row = 1 + i % 5, column = (i / 5) * 2;
        grid->addWidget(MakeLabel(panel, QString::number(y.year)), row, column);
        grid->addWidget(rateEdits[i], row, column + 1);
    }
    grid->setColumnStretch(10, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(panel);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->addStretch();
    return panel;
}

}  // namespace

DepreciationCalculator::DepreciationCalculator(TForm1& form) : QObject(&form), form_(form)
{
    setObjectName("DepreciationCalculator");
    QWidget* tab = form.TabSheet6;
    const QString caption = "        AMORTİSMAN HESAPLAMA";
    const auto [panel, title] = MakeCalculatorPanel(form, tab, caption, "DepreciationPanel");

    Edit422 = MakeEdit(panel, "Edit422", {.maxLength = 30});
    DateTimePicker68 = MakeDatePicker(panel, "DateTimePicker68", QDate(2009, 1, 1));
    DateTimePicker69 = MakeDatePicker(panel, "DateTimePicker69", QDate(2049, 12, 31));
    Edit425 = MakeEdit(panel, "Edit425", {.maxLength = 22, .rightAligned = true, .filter = KeyFilter::Edit425KeyPress});
    Edit426 = MakeEdit(panel, "Edit426", {.maxLength = 2, .filter = KeyFilter::Edit11KeyPress});
    Edit427 = MakeEdit(panel, "Edit427", {.maxLength = 4});
    for (QLineEdit* linked : {Edit426, Edit427})
        linked->installEventFilter(this);
    ComboBox1 = new QComboBox(panel);
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->addItems({"Normal", "Hızlandırılmış", "Kıst"});
    CheckBox6 = new QCheckBox("Amortisman İlk Değerden", panel);
    CheckBox6->setObjectName("CheckBox6");

    CheckListBox1 = new QListWidget(panel);
    CheckListBox1->setObjectName("CheckListBox1");
    // five columns of five years, filled top to bottom
    CheckListBox1->setFlow(QListView::TopToBottom);
    CheckListBox1->setWrapping(true);
    CheckListBox1->setUniformItemSizes(true);
    CheckListBox1->setGridSize(QSize(70, 22));
    CheckListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    CheckListBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int frame = 2 * CheckListBox1->frameWidth() + 4;
    CheckListBox1->setFixedSize(5 * 70 + frame, 5 * 22 + frame);
    for (const RevaluationYear& y : RevaluationYearTable) {
        auto* item = new QListWidgetItem(QString::number(y.year), CheckListBox1);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
    }

    auto* grid = new QGridLayout;
    grid->addWidget(MakeLabel(panel, "Sabit Kıymet"), 0, 0);
    grid->addWidget(Edit422, 0, 1, 1, 3);
    grid->addWidget(MakeLabel(panel, "Giriş Tarihi"), 1, 0);
    grid->addWidget(DateTimePicker68, 1, 1);
    grid->addWidget(MakeLabel(panel, "Çıkış Tarihi"), 1, 2);
    grid->addWidget(DateTimePicker69, 1, 3);
    grid->addWidget(MakeLabel(panel, "Giriş Bedeli"), 2, 0);
    grid->addWidget(Edit425, 2, 1);
    grid->addWidget(MakeLabel(panel, "Süre"), 3, 0);
    auto* life = new QHBoxLayout;
    life->addWidget(Edit426);
    life->addWidget(MakeLabel(panel, "Yıl"));
    grid->addLayout(life, 3, 1);
    grid->addWidget(MakeLabel(panel, "Amort. %"), 3, 2);
    grid->addWidget(Edit427, 3, 3);
    grid->addWidget(MakeLabel(panel, "Amort.Yöntemi"), 4, 0);
    grid->addWidget(ComboBox1, 4, 1);
    grid->addWidget(CheckBox6, 4, 2, 1, 2);

    auto* years = new QGroupBox("Yeniden Değerleme Yapılan Yıllar", panel);
    auto* yearsLayout = new QVBoxLayout(years);
    yearsLayout->addWidget(CheckListBox1);
    yearsLayout->addWidget(
        MakeButton(years, "SpeedButton13", "Tümünü Seç/Kaldır", [this] { SpeedButton13Click(); }), 0, Qt::AlignLeft);

    auto* buttons = new QHBoxLayout;
    buttons->setObjectName("DepreciationButtons");
    buttons->addWidget(MakeButton(panel, "SpeedButton64", "AMORTİSMAN HESAPLA", [this] { SpeedButton64Click(); }));
    buttons->addWidget(MakeButton(panel, "SpeedButton66", "SIFIRLA", [this] { SpeedButton66Click(); }));
    buttons->addWidget(MakeButton(panel, "SpeedButton7", "YAZDIR", [this] { SpeedButton7Click(); }));
    buttons->addWidget(MakeButton(panel, "SpeedButton70", "YEN.DEĞ.ORANLARI", [this] { SpeedButton70Click(); }));
    buttons->addWidget(MakeButton(panel, "tfXPButton11", "YARDIM", [this] { tfXPButton11Click(); }));
    buttons->addStretch();

    RichEdit15 = MakeReportPane(panel, "RichEdit15");
    Panel25 = MakeRatesPanel(panel, RateEdits,
                             MakeButton(panel, "SpeedButton69", "SAKLA", [this] { SpeedButton69Click(); }),
                             MakeButton(panel, "SpeedButton71", "ÇIKIŞ", [this] { SpeedButton71Click(); }));
    Panel25->setVisible(false);

    auto* top = new QHBoxLayout;
    top->addLayout(grid);
    top->addWidget(years);
    top->addStretch();
    auto* output = new QGridLayout;  // the rates panel lies over the report pane
    output->addWidget(RichEdit15, 0, 0);
    output->addWidget(Panel25, 0, 0);
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(title);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->addLayout(output, 1);

    form.AddFormCreateHook([this] { FormCreate(); });
}

void DepreciationCalculator::FormCreate()
{
    // the rates themselves come with the settings the shell loads after this
    ComboBox1->setCurrentIndex(0);
    RevalYearsCleared = 1;
}

bool DepreciationCalculator::eventFilter(QObject* watched, QEvent* event)
{
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (event->type() == QEvent::FocusIn) {
        Guarded([&] { Edit426Enter(edit); });
    } else if (event->type() == QEvent::FocusOut) {
        // Leaving the window for a message box or a menu is no leaving of the edit.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            Guarded([&] { edit == Edit426 ? Edit426Exit() : Edit427Change(); });
    }
    return false;
}

void DepreciationCalculator::Edit426Enter(QLineEdit* edit)
{
    SetEditColor(edit, clYellow);
}

void DepreciationCalculator::Edit426Exit()
{
    SetEditColor(Edit426, clWhite);
    if (const std::optional<QString> rate = RateTextForLife(Edit426->text()))
        Edit427->setText(*rate);
}

void DepreciationCalculator::Edit427Change()
{
    SetEditColor(Edit427, clWhite);
    if (const std::optional<QString> life = LifeTextForRate(Edit427->text()))
        Edit426->setText(*life);
}

void DepreciationCalculator::SpeedButton64Click()
{
    DepreciationInput in;
    in.cost = ReformatAmount(Edit425);
    for (int i = 0; i < RevaluationYearCount; ++i) {
        in.rates[i] = StrToAmount(RateEdits[i]->text());
        in.ticked[i] = CheckListBox1->item(i)->checkState() == Qt::Checked;
    }
    int day = 0, saleMonth = 0;
    DecodeDate(PickerDate(DateTimePicker68), in.entryYear, in.entryMonth, day);
    DecodeDate(PickerDate(DateTimePicker69), in.saleYear, saleMonth, day);
    in.life = StrToAmount(Edit426->text());
    StrToAmount(Edit427->text());  // not used, yet a rate that is no number stops the run as before
    in.method = ComboBox1->currentIndex();
    in.fromInitialCost = CheckBox6->isChecked();
    in.assetName = Edit422->text();
    RichEdit15->AddLines(DepreciationScheduleLines(in));
}

void DepreciationCalculator::SpeedButton66Click()
{
    RichEdit15->ClearLines();
}

void DepreciationCalculator::SpeedButton7Click()
{
    ShowPaneReport(*form_.frReport2, *RichEdit15, "Amortisman Hesaplama Dökümü",
                   "Dorvan Rapor Önizleme - Amortisman Hesaplama raporu");
}

void DepreciationCalculator::SpeedButton70Click()
{
    Panel25->setVisible(true);
    RichEdit15->setVisible(false);
}

void DepreciationCalculator::SpeedButton71Click()
{
    Panel25->setVisible(false);
    RichEdit15->setVisible(true);
}

void DepreciationCalculator::SpeedButton69Click()
{
    amortsakla();
    SpeedButton71Click();
}

void DepreciationCalculator::amortsakla()
{
    TRichEdit& store = *form_.RichEdit1;
    for (int i = 0; i < RevaluationYearCount; ++i)
        store.SetLine(RevaluationYearTable[i].repoLine, RateEdits[i]->text());
    WriteSettingsMember(form_, "repo", store);
}

void DepreciationCalculator::SpeedButton13Click()
{
    const Qt::CheckState state = RevalYearsCleared == 1 ? Qt::Checked : Qt::Unchecked;
    for (int i = 0; i < CheckListBox1->count(); ++i)
        CheckListBox1->item(i)->setCheckState(state);
    RevalYearsCleared = RevalYearsCleared == 1 ? 0 : 1;
}

void DepreciationCalculator::tfXPButton11Click()
{
    yardimF().ShowTopic("yardimamr");
}

void InstallDepreciationTab(TForm1& form)
{
    new DepreciationCalculator(form);
}
