#include "report/fr_prdlg.h"

#include "base/dialogs.h"
#include "base/error_texts.h"
#include "base/exceptions.h"
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
#include <QRegularExpression>
#include <QStyledItemDelegate>
#include <QTimer>

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
    PrintDuplex.reset();
    printer_.SetPrinterIndex(CB1->currentIndex());
}

// Copies and pages as the system's printer dialog holds them.
struct TfrPrintForm::CopiesAndPages {
    int copies = 1;
    QPrinter::PrintRange range = QPrinter::AllPages;
    int from = 0;
    int to = 0;

    bool SamePages(const CopiesAndPages& other) const
    {
        return range == other.range && from == other.from && to == other.to;
    }
};

namespace {
// The system dialog also offers what this engine does not print by: the order of copies and pages,
// odd or even pages, colour, and in its properties the paper, which is the report's own. Those are
// taken out of it; the printer picked there may bring some of them back. Two-sided printing is shown
// only for a printer that takes it.
void OfferOnlyWhatIsCarried(QPrintDialog& dialog)
{
    for (const char* name : {"reverse", "pageSetLabel", "pageSetCombo", "colorMode", "properties",
                             "pagesRadioButton", "pagesLineEdit"}) {
        if (auto* widget = dialog.findChild<QWidget*>(name))
            widget->hide();
    }
    auto* longSide = dialog.findChild<QWidget*>("duplexLong");
    auto* shortSide = dialog.findChild<QWidget*>("duplexShort");
    if (auto* duplex = dialog.findChild<QWidget*>("duplex"); duplex && longSide && shortSide)
        duplex->setVisible(longSide->isEnabled() || shortSide->isEnabled());
}
}  // namespace

TfrPrintForm::CopiesAndPages TfrPrintForm::ChosenCopiesAndPages() const
{
    CopiesAndPages chosen;
    int copies = 0;
    if (TryStrToInt(E1->text(), copies) && copies >= 1)
        chosen.copies = copies;
    if (RB2->isChecked()) {
        chosen.range = QPrinter::CurrentPage;
    } else if (RB3->isChecked()) {
        // one page or one range is what the system dialog can show; a longer list stays here
        static const QRegularExpression oneRange(R"(^\s*(\d+)\s*(?:-\s*(\d+))?\s*$)");
        const QRegularExpressionMatch m = oneRange.match(E2->text());
        int from = 0, to = 0;
        if (m.hasMatch() && TryStrToInt(m.captured(1), from) && from >= 1 &&
            TryStrToInt(m.hasCaptured(2) ? m.captured(2) : m.captured(1), to) && to >= from) {
            chosen.range = QPrinter::PageRange;
            chosen.from = from;
            chosen.to = to;
        }
    }
    return chosen;
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
    // It opens on the copies and pages chosen here; what the user changes there comes back here.
    const CopiesAndPages before = ChosenCopiesAndPages();
    probe.setCopyCount(before.copies);
    probe.setPrintRange(before.range);
    if (before.range == QPrinter::PageRange)
        probe.setFromTo(before.from, before.to);
    if (PrintDuplex)
        probe.setDuplex(*PrintDuplex);
    QPrintDialog dialog(&probe, this);
    // the engine prints each page's copies in a row
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, true);
    // the dialog sets its widgets up for the printer as it is shown, and again for each printer picked
    QTimer::singleShot(0, &dialog, [&dialog] { OfferOnlyWhatIsCarried(dialog); });
    if (auto* printers = dialog.findChild<QComboBox*>("printers"))
        connect(printers, &QComboBox::currentIndexChanged, &dialog, [&dialog] { OfferOnlyWhatIsCarried(dialog); });
    if (dialog.exec() != QDialog::Accepted)
        return;
    const CopiesAndPages after{probe.copyCount(), probe.printRange(),
                               probe.printRange() == QPrinter::PageRange ? probe.fromPage() : 0,
                               probe.printRange() == QPrinter::PageRange ? probe.toPage() : 0};
    TakeCopiesAndPages(before, after);
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
    PrintDuplex = probe.duplex();
}

void TfrPrintForm::TakeCopiesAndPages(const CopiesAndPages& before, const CopiesAndPages& chosen)
{
    // A page list the system dialog cannot show opens there as all pages: a change of the copies alone
    // keeps it.
    if (chosen.copies != before.copies)
        E1->setText(IntToStr(chosen.copies));
    if (chosen.SamePages(before))
        return;
    switch (chosen.range) {
    case QPrinter::CurrentPage:
        RB2->setChecked(true);
        break;
    case QPrinter::PageRange:
        RB3->setChecked(true);
        E2->setText(IntToStr(chosen.from) + "-" + IntToStr(chosen.to));
        break;
    default:
        RB1->setChecked(true);
        break;
    }
}

int TfrPrintForm::Copies() const
{
    // Fewer than one copy is refused as a text that is no number is.
    const int copies = StrToInt(E1->text());
    if (copies < 1)
        throw EConvertError(ErrorTexts::InvalidInteger(E1->text()));
    return copies;
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
