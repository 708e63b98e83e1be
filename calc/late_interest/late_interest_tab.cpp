#include "calc/late_interest/late_interest_tab.h"

#include "app/help_window.h"
#include "app/key_filters.h"
#include "app/main_window.h"
#include "base/color.h"
#include "base/components.h"
#include "base/date_time_picker.h"
#include "base/dialogs.h"
#include "base/fonts.h"
#include "base/rich_edit.h"
#include "base/typed_length.h"
#include "calc/report_pane_print.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// The time of day both pickers carry from the form data.
constexpr double kPickerTimeOfDay = 0.9592653935;

QFrame* MoneyGreenFrame(const char* name, QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setAutoFillBackground(true);
    QPalette p = frame->palette();
    p.setColor(QPalette::Window, ColorFromTColor(clMoneyGreen));
    frame->setPalette(p);
    return frame;
}

QLineEdit* MakeEdit(const char* name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

TDateTimePicker* MakePicker(const char* name, QWidget* parent)
{
    auto* picker = new TDateTimePicker(parent);
    picker->setObjectName(name);
    picker->SetTime(kPickerTimeOfDay);
    return picker;
}

QPushButton* MakeButton(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    KeepFocusIfSpeedButton(button);
    button->setFont(MakeFont("Tahoma", -11, 2));
    button->setFixedSize(225, 23);
    return button;
}

// A hidden state box of the report.
QCheckBox* MakeFlag(const char* name, const QString& caption, QWidget* parent)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->hide();
    return box;
}

} // namespace

LatePaymentInterestCalculator::LatePaymentInterestCalculator(TForm1& form)
    : QObject(form.TabSheet12), form_(form)
{
    setObjectName("LatePaymentInterestCalculator");
    BuildWidgets(form);
    form.AddFormCreateHook([this] {
        DateTimePicker62->SetDate(Date());
        DateTimePicker63->SetDate(Date());
    });
}

void LatePaymentInterestCalculator::BuildWidgets(TForm1& form)
{
    QWidget* tab = form.TabSheet12;
    QVBoxLayout* body = form.AddNavHeader(tab, "Gecikme Faizi");
    if (auto* header = tab->findChild<QWidget*>("JvNavPanelHeader" + tab->objectName()))
        header->setObjectName("JvNavPanelHeader14");

    auto* panel = new QFrame(tab);
    panel->setObjectName("JvNavPaneToolPanel11");
    body->addWidget(panel, 1);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->setSpacing(0);

    auto* caption = new QLabel("        6183 SAYILI AATUHK 51 MD. GÖRE GECİKME FAİZİ HESAPLAMA", panel);
    caption->setObjectName("JvNavPaneToolPanel11Caption");
    caption->setFixedHeight(32);
    caption->setFont(MakeFont("Tahoma", -11, 2));
    caption->setAutoFillBackground(true);
    QPalette captionPalette = caption->palette();
    captionPalette.setColor(QPalette::Window, ColorFromTColor(clMoneyGreen));
    caption->setPalette(captionPalette);
    panelLayout->addWidget(caption);

    // Input strip: the debt's inputs at the left, the run buttons beside them.
    QFrame* inputs = MoneyGreenFrame("JvXPContainer14", panel);
    inputs->setFixedHeight(105);
    panelLayout->addWidget(inputs);
    auto* strip = new QHBoxLayout(inputs);
    strip->setContentsMargins(6, 4, 6, 4);

    auto* fields = new QGridLayout;
    fields->setVerticalSpacing(4);
    strip->addLayout(fields);
    auto addLabel = [&](const QString& text, QWidget* buddy, int row, int column) {
        auto* label = new QLabel(text, inputs);
        label->setBuddy(buddy);
        fields->addWidget(label, row, column);
    };
    DateTimePicker62 = MakePicker("DateTimePicker62", inputs);
    DateTimePicker63 = MakePicker("DateTimePicker63", inputs);
    Edit372 = MakeEdit("Edit372", inputs);
    Edit373 = MakeEdit("Edit373", inputs);
    Edit373->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetTypedMaxLength(Edit373, 21);
    InstallKeyFilter(Edit373, KeyFilter::Edit425KeyPress);
    Edit374 = MakeEdit("Edit374", inputs);
    Edit375 = MakeEdit("Edit375", inputs);
    Edit375->setReadOnly(true);
    Edit375->hide();
    InstallKeyFilter(Edit375, KeyFilter::Edit11KeyPress);
    CheckBox2 = MakeFlag("CheckBox2", "2", inputs);
    CheckBox3 = MakeFlag("CheckBox3", "3", inputs);

    addLabel("İŞLEM TARİHİ", DateTimePicker62, 0, 0);
    fields->addWidget(DateTimePicker62, 0, 1);
    addLabel("BORÇ TARİHİ ", DateTimePicker63, 0, 2);
    fields->addWidget(DateTimePicker63, 0, 3);
    addLabel("GENEL AÇIKLAMA", Edit372, 1, 0);
    fields->addWidget(Edit372, 1, 1, 1, 3);
    addLabel("BORÇ TUTARI", Edit373, 2, 0);
    fields->addWidget(Edit373, 2, 1);
    addLabel("İŞLEM AÇIKLAMASI", Edit374, 2, 2);
    fields->addWidget(Edit374, 2, 3);

    auto* runs = new QVBoxLayout;
    runs->setSpacing(0);
    strip->addSpacing(12);
    strip->addLayout(runs);
    auto* lateDetailed = MakeButton("SpeedButton44", "GECİKME FAİZİ DETAYLI HESAPLA", inputs);
    auto* lateSummary = MakeButton("SpeedButton47", "GECİKME FAİZİ ÖZET HESAPLA", inputs);
    auto* deferralDetailed = MakeButton("SpeedButton48", "TECİL FAİZİ DETAYLI HESAPLA", inputs);
    auto* deferralSummary = MakeButton("SpeedButton49", "TECİL FAİZİ ÖZET HESAPLA", inputs);
    for (QPushButton* b : {lateDetailed, lateSummary, deferralDetailed, deferralSummary})
        runs->addWidget(b);

    auto* commands = new QVBoxLayout;
    commands->setSpacing(0);
    strip->addLayout(commands);
    auto* print = new QPushButton("YAZDIR", inputs);
    print->setObjectName("SpeedButton4");
    auto* reset = new QPushButton("SIFIRLA", inputs);
    reset->setObjectName("SpeedButton45");
    // A glyph without a caption.
    auto* help = new QPushButton(inputs);
    help->setObjectName("tfXPButton13");
    help->setFlat(true);
    help->setIcon(help->style()->standardIcon(QStyle::SP_MessageBoxQuestion));
    help->setIconSize(QSize(20, 20));
    help->setToolTip("Yardım");
    for (QPushButton* b : {print, reset, help}) {
        KeepFocusIfSpeedButton(b);
        b->setFixedHeight(23);
        commands->addWidget(b);
    }
    commands->addStretch();
    strip->addStretch(1);

    // Report: the pane between two side strips.
    auto* lower = new QHBoxLayout;
    lower->setSpacing(0);
    panelLayout->addLayout(lower, 1);
    QFrame* left = MoneyGreenFrame("JvXPContainer16", panel);
    left->setFixedWidth(41);
    QFrame* reportBox = new QFrame(panel);
    reportBox->setObjectName("JvXPContainer15");
    QFrame* right = MoneyGreenFrame("JvXPContainer17", panel);
    right->setFixedWidth(41);
    lower->addWidget(left);
    lower->addWidget(reportBox, 1);
    lower->addWidget(right);

    RichEdit10 = new TRichEdit(reportBox);
    RichEdit10->setObjectName("RichEdit10");
    RichEdit10->setReadOnly(true);
    RichEdit10->SetFontSpec("Courier New", -11);
    RichEdit10->SetBackgroundColor(16776176);
    RichEdit10->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* reportLayout = new QVBoxLayout(reportBox);
    reportLayout->setContentsMargins(0, 0, 0, 0);
    reportLayout->addWidget(RichEdit10);

    ConnectGuarded(lateDetailed, &QPushButton::clicked, this, [this] { SpeedButton44Click(); });
    ConnectGuarded(lateSummary, &QPushButton::clicked, this, [this] { SpeedButton47Click(); });
    ConnectGuarded(deferralDetailed, &QPushButton::clicked, this, [this] { SpeedButton48Click(); });
    ConnectGuarded(deferralSummary, &QPushButton::clicked, this, [this] { SpeedButton49Click(); });
    ConnectGuarded(print, &QPushButton::clicked, this, [this] { SpeedButton4Click(); });
    ConnectGuarded(reset, &QPushButton::clicked, this, [this] { SpeedButton45Click(); });
    ConnectGuarded(help, &QPushButton::clicked, this, [this] { tfXPButton13Click(); });
}

void LatePaymentInterestCalculator::SpeedButton44Click()
{
    Run(InterestSide::LatePayment, RunForm::Detailed);
}

void LatePaymentInterestCalculator::SpeedButton47Click()
{
    Run(InterestSide::LatePayment, RunForm::Summary);
}

void LatePaymentInterestCalculator::SpeedButton48Click()
{
    Run(InterestSide::Deferral, RunForm::Detailed);
}

void LatePaymentInterestCalculator::SpeedButton49Click()
{
    Run(InterestSide::Deferral, RunForm::Summary);
}

void LatePaymentInterestCalculator::Run(InterestSide side, RunForm form)
{
    const LateInterestInputs inputs{DateTimePicker63->DateTime(), DateTimePicker62->DateTime(),
                                    Edit372->text(), Edit374->text()};
    LateInterestReport report{
        Edit373->text(), Edit375->text(), CheckBox2->isChecked(), CheckBox3->isChecked(), {}};
    // What the run did before a conversion error stays, as its lines and texts would on paper.
    auto writeBack = [&] {
        Edit373->setText(report.amountText);
        Edit375->setText(report.cumulativeText);
        CheckBox2->setChecked(report.latePaymentOpen);
        CheckBox3->setChecked(report.deferralOpen);
        if (!report.newLines.isEmpty())
            RichEdit10->AddLines(report.newLines);
    };
    try {
        RunLateInterest(side, form, inputs, report);
    } catch (...) {
        writeBack();
        throw;
    }
    writeBack();
}

void LatePaymentInterestCalculator::SpeedButton4Click()
{
    ShowPaneReport(*form_.frReport2, *RichEdit10, "Gecikme/Tecil Faizi Rapor Dökümü",
                   "Dorvan Rapor Önizleme - Gecikme/Tecil Faizi Rapor Dökümü");
}

void LatePaymentInterestCalculator::SpeedButton45Click()
{
    RichEdit10->ClearLines();
    CheckBox2->setChecked(false);
    CheckBox3->setChecked(false);
    for (QLineEdit* edit : {Edit372, Edit373, Edit374, Edit375})
        edit->clear();
}

void LatePaymentInterestCalculator::tfXPButton13Click()
{
    yardimF().ShowTopic("yardimgec");
}

void InstallLateInterestTab(TForm1& form)
{
    new LatePaymentInterestCalculator(form);
}
