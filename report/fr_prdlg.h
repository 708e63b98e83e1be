#pragma once

#include <QDialog>
#include <QImage>
#include <QPrinter>
#include <QString>

#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TfrPrinter;
class TfrSpeedButton;

// The print dialog: printer, copies and pages. The printer picked in the list is applied to the
// printer object at once and put back unless the dialog closes with OK.
class TfrPrintForm : public QDialog {
    Q_OBJECT
public:
    explicit TfrPrintForm(QWidget* parent = nullptr);
    // For a printer object other than the engine's own (tests).
    TfrPrintForm(TfrPrinter& printer, QWidget* parent = nullptr);

    QGroupBox* GroupBox1;
    QComboBox* CB1;
    QPushButton* PropButton;
    QLabel* Label1;
    QLineEdit* E1;
    QWidget* Panel1;
    TfrSpeedButton* frSpeedButton1;
    TfrSpeedButton* frSpeedButton2;
    QGroupBox* GroupBox2;
    QRadioButton* RB1;
    QRadioButton* RB2;
    QRadioButton* RB3;
    QLineEdit* E2;
    QLabel* Label2;
    QPushButton* Button1;
    QPushButton* Button2;
    QImage Image1;
    int OldIndex = -1;  // the system printer's index when the dialog opened
    // A file chosen to print to in the system's printer dialog, for this print only; empty for the
    // printer. Picking a printer in the list takes it back.
    QString PrintFileName;
    // Two-sided printing chosen in the system's printer dialog, for this print only; none when it was
    // not opened, or a printer was picked in the list after it.
    std::optional<QPrinter::DuplexMode> PrintDuplex;

    // The system printer's index now (the one chosen, after OK).
    int SystemPrinterIndex() const;

    void CB1Click();
    void PropButtonClick();
    void frSpeedButton1Click();
    void frSpeedButton2Click();
    // The copies of E1; a text that is no whole number of at least one raises the conversion error.
    int Copies() const;

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct CopiesAndPages;
    void FormCreate();
    CopiesAndPages ChosenCopiesAndPages() const;
    // What was changed of `before` in the system's dialog; what was left as it was stays as chosen here.
    void TakeCopiesAndPages(const CopiesAndPages& before, const CopiesAndPages& after);

    TfrPrinter& printer_;
    int oldObjectIndex_ = 0;  // the printer object's own choice (it may be the virtual printer)
    bool printerTouched_ = false;
};
