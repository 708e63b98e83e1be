#pragma once

#include "app/key_filters.h"
#include "base/date_time.h"

#include <QDate>
#include <QString>

#include <functional>
#include <optional>

class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QWidget;
class TDateTimePicker;
class TForm1;
class TRichEdit;

// Widgets of the calculator tabs, built as the form data described them.

struct CalculatorPanel {
    QWidget* panel;
    QLabel* title;  // the caption in bold, for the tab to place
};
// The tab's navigation header over a named panel filling the rest of the tab.
CalculatorPanel MakeCalculatorPanel(TForm1& form, QWidget* tab, const QString& caption, const QString& panelName);

// The panel's title over its inputs, with the report pane beside them taking the spare room.
void LayOutBesideReport(QWidget* panel, QLabel* title, QLayout* inputs, QWidget* pane);

struct EditOptions {
    int maxLength = 0;  // 0: no limit
    bool rightAligned = false;
    std::optional<KeyFilter> filter = std::nullopt;
    bool readOnly = false;
};
QLineEdit* MakeEdit(QWidget* parent, const QString& name, const EditOptions& options = {});

QLabel* MakeLabel(QWidget* parent, const QString& text);
QLabel* MakeBoldLabel(QWidget* parent, const QString& text);
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& text, std::function<void()> handler);

// A read-only report pane in "Courier New", 11 pixels, with a vertical scroll bar.
TRichEdit* MakeReportPane(QWidget* parent, const QString& name);

// A date picker with its design date and the time of day the form data gives every picker.
TDateTimePicker* MakeDatePicker(QWidget* parent, const QString& name, const QDate& designDate);
// The picker's date as whole days: these tabs count days between dates, never hours.
TDateTime PickerDate(const TDateTimePicker* picker);

// The edit's text read as an amount and written back as "#,##0.00"; returns the value of the new text.
long double ReformatAmount(QLineEdit* edit);
// Paints an edit's background (yellow while it has the focus, white otherwise).
void SetEditColor(QLineEdit* edit, int tcolor);
