#include "report/fr_prdlg.h"

#include "base/dialogs.h"
#include "base/numbers.h"
#include "base/printer.h"
#include "report/fr_ctrls.h"
#include "report/fr_glyphs.h"
#include "report/fr_prntr.h"
#include "report/fr_strings.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {
// Each printer name is drawn with the printer picture before it.
class PrinterItemDelegate : public QStyledItemDelegate {
public:
    PrinterItemDelegate(const QPixmap& picture, QObject* parent) : QStyledItemDelegate(parent), picture_(picture) {}

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QRect r = option.rect;
        const bool selected = option.state & QStyle::State_Selected;
        p->fillRect(r, option.palette.brush(selected ? QPalette::Highlight : QPalette::Base));
        p->drawPixmap(QRect(r.left() + 2, r.top(), 18, 16), picture_);
        p->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        p->drawText(QRect(r.left() + 24, r.top() + 1, r.width() - 24, r.height() - 1),
                    Qt::AlignLeft | Qt::AlignVCenter, index.data().toString());
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width() + 24, 16};
    }

private:
    QPixmap picture_;
};
}  // namespace

TfrPrintForm::TfrPrintForm(QWidget* parent) : TfrPrintForm(frPrinterObject(), parent) {}

TfrPrintForm::TfrPrintForm(TfrPrinter& printer, QWidget* parent) : QDialog(parent), printer_(printer)
{
    setObjectName("frPrintForm");
    setFixedSize(365, 230);
    setFont(frWindowFont());
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::WindowContextHelpButtonHint);

    GroupBox1 = frPlace(new QGroupBox(this), "GroupBox1", 8, 8, 349, 49);
    CB1 = frPlace(new QComboBox(GroupBox1), "CB1", 8, 17, 245, 22);
    PropButton = frPlace(new QPushButton(GroupBox1), "PropButton", 264, 15, 75, 25);

    E1 = frPlace(new QLineEdit("1", this), "E1", 64, 72, 61, 21);
    Label1 = frPlace(new QLabel(this), "Label1", 8, 76, 56, 16);
    Label1->setBuddy(E1);
    Panel1 = frPlace(new QWidget(this), "Panel1", 106, 74, 17, 17);
    frSpeedButton1 = frPlace(new TfrSpeedButton(Panel1), "frSpeedButton1", 0, 0, 17, 8);
    frSpeedButton1->SetSpacing(0);
    frSpeedButton1->SetGlyph(frGlyphImage(TfrGlyph::SpinUp));
    frSpeedButton2 = frPlace(new TfrSpeedButton(Panel1), "frSpeedButton2", 0, 9, 17, 8);
    frSpeedButton2->SetGlyph(frGlyphImage(TfrGlyph::SpinDown));

    GroupBox2 = frPlace(new QGroupBox(this), "GroupBox2", 8, 104, 253, 117);
    RB1 = frPlace(new QRadioButton(GroupBox2), "RB1", 8, 20, 150, 17);
    RB1->setChecked(true);
    RB2 = frPlace(new QRadioButton(GroupBox2), "RB2", 8, 40, 150, 17);
    RB3 = frPlace(new QRadioButton(GroupBox2), "RB3", 8, 60, 78, 17);
    E2 = frPlace(new QLineEdit(GroupBox2), "E2", 88, 58, 155, 21);
    Label2 = frPlace(new QLabel(GroupBox2), "Label2", 8, 82, 237, 29);
    Label2->setWordWrap(true);

    Button1 = frPlace(new QPushButton(this), "Button1", 276, 108, 75, 25);
    Button1->setDefault(true);
    Button2 = frPlace(new QPushButton(this), "Button2", 276, 136, 75, 25);

    Image1 = frGlyphImage(TfrGlyph::PrinterItem);
    CB1->setItemDelegate(new PrinterItemDelegate(frGlyphPixmap(Image1), CB1));

    ConnectGuarded(CB1, &QComboBox::activated, this, [this] { CB1Click(); });
    ConnectGuarded(PropButton, &QPushButton::clicked, this, [this] { PropButtonClick(); });
    ConnectGuarded(frSpeedButton1, &TfrSpeedButton::clicked, this, [this] { frSpeedButton1Click(); });
    ConnectGuarded(frSpeedButton2, &TfrSpeedButton::clicked, this, [this] { frSpeedButton2Click(); });
    ConnectGuarded(RB3, &QRadioButton::clicked, this, [this] { E2->setFocus(); });
    ConnectGuarded(Button1, &QPushButton::clicked, this, [this] { accept(); });
    ConnectGuarded(Button2, &QPushButton::clicked, this, [this] { reject(); });
    E2->installEventFilter(this);

    FormCreate();
}

void TfrPrintForm::FormCreate()
{
    // the virtual printer, the list's last entry, is not offered
    const QStringList names = printer_.Printers.mid(0, printer_.VirtualPrinterIndex);
    const QPixmap picture = frGlyphPixmap(Image1);
    for (const QString& name : names)
        CB1->addItem(QIcon(picture), name);
    OldIndex = SystemPrinterIndex();
    oldObjectIndex_ = printer_.PrinterIndex;
    CB1->setCurrentIndex(OldIndex);

    setWindowTitle(frLoadStr(53040));
    GroupBox1->setTitle(frLoadStr(53041));
    PropButton->setText(frLoadStr(53042));
    Label1->setText(frLoadStr(53043));
    GroupBox2->setTitle(frLoadStr(53044));
    RB1->setText(frLoadStr(53045));
    RB2->setText(frLoadStr(53046));
    RB3->setText(frLoadStr(53047));
    Label2->setText(frLoadStr(53048));
    Button1->setText(frLoadStr(frRes_OK));
    Button2->setText(frLoadStr(frRes_Cancel));
}

int TfrPrintForm::SystemPrinterIndex() const
{
    if (!printer_.IsVirtual())
        return printer_.PrinterIndex;
    return printer_.Printer() != nullptr ? printer_.Printer()->PrinterIndex() : -1;
}

void TfrPrintForm::CB1Click()
{
    if (CB1->currentIndex() < 0)
        return;
    printerTouched_ = true;
    PrintFileName.clear();
    printer_.SetPrinterIndex(CB1->currentIndex());
}

void TfrPrintForm::PropButtonClick()
{
    TPrinter* system = printer_.Printer();
    if (system == nullptr || system->Printers().isEmpty())
        return;
    // The system dialog works on a printer of its own: what it is left holding (a file to print to, a
    // setting of its pages) must not stay on the device every later print of the program goes through.
    QPrinter probe(QPrinter::HighResolution);
    probe.setPrinterName(system->Printers().value(system->PrinterIndex()));
    QPrintDialog dialog(&probe, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (probe.outputFormat() == QPrinter::PdfFormat && !probe.outputFileName().isEmpty()) {
        // Printing to a file holds for the print this dialog starts, not for the next ones.
        PrintFileName = probe.outputFileName();
        return;
    }
    PrintFileName.clear();
    // Another printer picked there is a change of printer as one picked in the list is.
    const int index = static_cast<int>(system->Printers().indexOf(probe.printerName()));
    if (index >= 0 && index != SystemPrinterIndex()) {
        CB1->setCurrentIndex(index);
        CB1Click();
    }
}

void TfrPrintForm::frSpeedButton1Click()
{
    E1->setText(IntToStr(StrToInt(E1->text()) + 1));
}

void TfrPrintForm::frSpeedButton2Click()
{
    E1->setText(IntToStr(std::max(StrToInt(E1->text()) - 1, 1)));
}

void TfrPrintForm::done(int result)
{
    if (result != QDialog::Accepted && printerTouched_) {
        printer_.SetPrinterIndex(oldObjectIndex_);
        if (TPrinter* system = printer_.Printer(); system != nullptr && OldIndex >= 0)
            system->SetPrinterIndex(OldIndex);
        printerTouched_ = false;
    }
    QDialog::done(result);
}

bool TfrPrintForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == E2 && event->type() == QEvent::MouseButtonPress)
        RB3->setChecked(true);
    return QDialog::eventFilter(watched, event);
}
