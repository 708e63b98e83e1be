#pragma once

#include "calc/payroll_assets/payroll_calc.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class TForm1;
class TStringGrid;
class QLineEdit;
class QMenu;
class QPainter;
class QPushButton;
class QRect;

void InstallPayrollTab(TForm1& form);

// "cikcik" from the moment the decimal separator is typed in a grid until the next key release.
extern QString DecimalTypedFlag;

// The payroll tab "Ücret": rates, the grid of employees with their deductions, totals, gross from
// net, the spreadsheet export and the ".tus" document.
class PayrollCalculator : public QObject {
    Q_OBJECT
public:
    explicit PayrollCalculator(TForm1& form);

    // Row computation of the current row and the totals.
    void StringGrid5Click();
    void StringGrid5KeyDown(int key, Qt::KeyboardModifiers modifiers);
    void StringGrid5KeyPress(QChar& key);
    void StringGrid5KeyUp(int key, Qt::KeyboardModifiers modifiers);
    void StringGrid5DrawCell(QPainter& painter, int col, int row, const QRect& rect);

    void SpeedButton50Click();  // "YENİDEN HESAPLA"
    void SpeedButton51Click();  // "SIFIRLA"
    void MenuItem7Click();      // insert a row
    void MenuItem8Click();      // delete a row
    void SpeedButton52Click();  // "BRÜTÜ BUL"
    void SpeedButton9Click();   // "YAZDIR": the payroll list through the report engine
    void SpeedButton17Click();  // "EXCEL"
    void UcretExcel();
    void BitBtn21Click();       // "KAYDET"
    void BitBtn22Click();       // "AÇ"
    void tfXPButton8Click();    // help

    QStringList GetStringsToSave5() const;
    void SetStringsFromLoad5(const QStringList& lines);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    QLineEdit* addRateEdit(class QGridLayout* layout, int column, const char* name, const QString& label,
                           const QString& designText, int maxLength);
    QPushButton* addButton(class QBoxLayout* layout, const char* name, const QString& caption,
                           std::function<void()> handler);
    void FormCreate();

    long double readRate(const char* name) const;
    std::vector<PayrollRow> readGrid() const;
    PayrollRow readRow(int row) const;
    void writeRow(int row, const PayrollRow& cells);
    void writeTotals(const PayrollTotals& totals);
    void renumberRows();
    QString rateText(const char* name) const;

    TForm1& form_;
    TStringGrid* grid_ = nullptr;
    QMenu* popup_ = nullptr;
    std::vector<QLineEdit*> totals_;  // JustaEdit2, JustaEdit25 .. JustaEdit36 in column order
};
