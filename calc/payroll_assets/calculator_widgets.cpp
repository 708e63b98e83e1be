#include "calc/payroll_assets/calculator_widgets.h"

#include "app/main_window.h"
#include "app/shell_routines.h"
#include "base/color.h"
#include "base/components.h"
#include "base/date_time_picker.h"
#include "base/dialogs.h"
#include "base/fonts.h"
#include "base/numbers.h"
#include "base/rich_edit.h"
#include "base/typed_length.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

CalculatorPanel MakeCalculatorPanel(TForm1& form, QWidget* tab, const QString& caption, const QString& panelName)
{
    QVBoxLayout* body = form.AddNavHeader(tab, caption);
    auto* panel = new QWidget(tab);
    panel->setObjectName(panelName);
    body->addWidget(panel, 1);
    return {panel, MakeBoldLabel(panel, caption)};
}

void LayOutBesideReport(QWidget* panel, QLabel* title, QLayout* inputs, QWidget* pane)
{
    auto* columns = new QHBoxLayout;
    columns->addLayout(inputs);
    columns->addWidget(pane, 1);
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(title);
    layout->addLayout(columns, 1);
}

QLineEdit* MakeEdit(QWidget* parent, const QString& name, const EditOptions& options)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    if (options.rightAligned)
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (options.readOnly)
        edit->setReadOnly(true);
    if (options.filter)
        InstallKeyFilter(edit, *options.filter);
    if (options.maxLength > 0)
        SetTypedMaxLength(edit, options.maxLength);
    return edit;
}

QLabel* MakeLabel(QWidget* parent, const QString& text)
{
    return new QLabel(text, parent);
}

QLabel* MakeBoldLabel(QWidget* parent, const QString& text)
{
    QLabel* label = MakeLabel(parent, text);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& text, std::function<void()> handler)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    KeepFocusIfSpeedButton(button);
    ConnectGuarded(button, &QPushButton::clicked, button, std::move(handler));
    return button;
}

TRichEdit* MakeReportPane(QWidget* parent, const QString& name)
{
    auto* pane = new TRichEdit(parent);
    pane->setObjectName(name);
    pane->SetFontSpec("Courier New", -11);
    pane->setReadOnly(true);
    pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pane->setTabStopDistance(48);  // a tab stop every half inch, as the statements were laid out for
    return pane;
}

TDateTimePicker* MakeDatePicker(QWidget* parent, const QString& name, const QDate& designDate)
{
    auto* picker = new TDateTimePicker(parent);
    picker->setObjectName(name);
    picker->SetDateTime(FromQDate(designDate) + 0.9592653935);
    return picker;
}

TDateTime PickerDate(const TDateTimePicker* picker)
{
    return std::floor(picker->Date());
}

long double ReformatAmount(QLineEdit* edit)
{
    edit->setText(FormatFloat("#,##0.00", StrToAmount(edit->text())));
    return StrToAmount(edit->text());
}

void SetEditColor(QLineEdit* edit, int tcolor)
{
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, ColorFromTColor(tcolor));
    edit->setPalette(palette);
}
