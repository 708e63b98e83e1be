#include "calc/payroll_assets/payroll_tab.h"

#include "app/documents.h"
#include "app/help_window.h"
#include "app/key_filters.h"
#include "app/main_window.h"
#include "app/shell_routines.h"
#include "base/color.h"
#include "base/components.h"
#include "base/date_time.h"
#include "base/dialogs.h"
#include "base/exceptions.h"
#include "base/fonts.h"
#include "base/format_settings.h"
#include "base/numbers.h"
#include "base/rich_edit.h"
#include "base/string_grid.h"
#include "base/typed_length.h"
#include "calc/payroll_assets/calculator_widgets.h"
#include "calc/payroll_assets/payroll_document.h"
#include "calc/payroll_assets/payroll_edits.h"
#include "calc/payroll_assets/payroll_excel.h"
#include "calc/payroll_assets/payroll_print.h"
#include "calc/payroll_assets/ucret_settings.h"
#include "calc/report_pane_print.h"
#include "report/fr_memo_view.h"
#include "report/fr_report.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

QString DecimalTypedFlag;

namespace {
struct TotalEdit {
    const char* name;
    const char* label;
};
// In the order of grid columns 2 to 14.
const TotalEdit kTotalEdits[] = {
    {"JustaEdit2", "Brüt Ücret Toplamı"},     {"JustaEdit25", "Net Ücret Toplamı"},
    {"JustaEdit26", "Gün Toplamı"},           {"JustaEdit28", "SSK İşçi Toplamı"},
    {"JustaEdit29", "SSK İşveren Topl."},     {"JustaEdit30", "İşsizlik İşçi Toplamı"},
    {"JustaEdit31", "İşsizlik İşv. Toplamı"}, {"JustaEdit27", "SSK Toplamı"},
    {"JustaEdit32", "GV Matrah Toplamı"},     {"JustaEdit33", "Gelir Vergisi Topl."},
    {"JustaEdit34", "Damga Vergis Topl."},    {"JustaEdit35", "Kesintiler Toplamı"},
    {"JustaEdit36", "Toplam Maliyet"},
};

const int kColumnWidths[kPayrollColumns] = {20, 140, 60, 60, 30, 60, 60, 50, 50, 60, 60, 60, 40, 60, 60, 80, 90};

const QString kFileFilter = "Tavrelo Ücret Dosyası (*.tus)";
const QString kWorkbookFilter = "Excel Çalışma Kitabı (*.xlsx)";

}  // namespace

void InstallPayrollTab(TForm1& form)
{
    new PayrollCalculator(form);
}

PayrollCalculator::PayrollCalculator(TForm1& form) : QObject(&form), form_(form)
{
    setObjectName("PayrollCalculator");
    build();
    // The registry outlives a window; a document of a closed window has nothing to go to.
    QPointer<PayrollCalculator> self(this);
    auto calculator = [self] {
        if (!self)
            throw Exception("Ücret hesaplama penceresi kapalı.");
        return self.data();
    };
    RegisterDocumentKind(
        "5", [calculator] { return calculator()->GetStringsToSave5(); },
        [calculator](const QStringList& lines) { calculator()->SetStringsFromLoad5(lines); });
    form.AddFormCreateHook([this] { FormCreate(); });
}

QLineEdit* PayrollCalculator::addRateEdit(QGridLayout* layout, int column, const char* name,
                                          const QString& label, const QString& designText, int maxLength)
{
    auto* caption = new QLabel(label);
    auto* edit = new QLineEdit(LocalizedDesignAmount(designText));
    edit->setObjectName(name);
    edit->setAlignment(Qt::AlignRight);
    SetTypedMaxLength(edit, maxLength);
    caption->setBuddy(edit);
    layout->addWidget(caption, 0, column);
    layout->addWidget(edit, 1, column);
    if (qstrcmp(name, "Edit383") == 0) {
        // The special deduction is kept for gross from net but not shown.
        caption->setVisible(false);
        edit->setVisible(false);
    }
    return edit;
}

QPushButton* PayrollCalculator::addButton(QBoxLayout* layout, const char* name, const QString& caption,
                                          std::function<void()> handler)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    KeepFocusIfSpeedButton(button);
    layout->addWidget(button);
    ConnectGuarded(button, &QPushButton::clicked, this, std::move(handler));
    return button;
}

void PayrollCalculator::build()
{
    QWidget* tab = form_.TabSheet13;
    const auto [panel, title] = MakeCalculatorPanel(form_, tab, "    ÜCRET HESAPLAMA", "JvNavPaneToolPanel1");
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(title);

    auto* rates = new QFrame;
    rates->setObjectName("Panel19");
    rates->setFrameShape(QFrame::StyledPanel);
    auto* rateGrid = new QGridLayout(rates);
    int c = 0;
    for (const PayrollRateEdit& e : PayrollRateEdits()) {
        QLineEdit* edit = addRateEdit(rateGrid, c++, e.name, e.label, e.designText, e.maxLength);
        const bool amount = qstrcmp(e.name, "Edit386") == 0 || qstrcmp(e.name, "Edit387") == 0;
        InstallKeyFilter(edit, amount ? KeyFilter::Edit425KeyPress : KeyFilter::Edit379KeyPress);
        if (amount || qstrcmp(e.name, "Edit383") == 0)
            edit->installEventFilter(this);
    }
    auto* rateButtons = new QVBoxLayout;
    addButton(rateButtons, "SpeedButton52", "BRÜTÜ BUL", [this] { SpeedButton52Click(); });
    addButton(rateButtons, "SpeedButton55", "SABİT ORANLARI SAKLA", [this] { ucretsakla(form_); });
    rateGrid->addLayout(rateButtons, 0, c, 2, 1);
    column->addWidget(rates);

    auto* commands = new QHBoxLayout;
    addButton(commands, "BitBtn8", "YENİDEN HESAPLA", [this] { SpeedButton50Click(); });
    addButton(commands, "BitBtn14", "SIFIRLA", [this] { SpeedButton51Click(); });
    addButton(commands, "SpeedButton9", "YAZDIR", [this] { SpeedButton9Click(); });
    addButton(commands, "SpeedButton17", "EXCEL", [this] { SpeedButton17Click(); });
    addButton(commands, "BitBtn21", "KAYDET", [this] { BitBtn21Click(); });
    addButton(commands, "BitBtn22", "AÇ", [this] { BitBtn22Click(); });
    QPushButton* help = addButton(commands, "tfXPButton8", "?", [this] { tfXPButton8Click(); });
    help->setToolTip("Yardım");
    commands->addStretch();
    column->addLayout(commands);

    grid_ = new TStringGrid(tab);
    grid_->setObjectName("StringGrid5");
    grid_->SetColCount(kPayrollColumns);
    grid_->SetRowCount(2);
    grid_->setFont(MakeFont("Tahoma", -11));
    grid_->SetDefaultRowHeight(20);
    grid_->SetAlwaysShowEditor(true);
    grid_->setTabKeyNavigation(true);
    // Rows and columns are sized, rows moved, by their fixed cells. Columns are not moved: every
    // computation finds its figures by column.
    grid_->SetSizing(true, true);
    grid_->SetRowMoving(true);
    grid_->SetOnDrawCell([this](QPainter& painter, int col, int row, const QRect& rect, bool, bool) {
        StringGrid5DrawCell(painter, col, row, rect);
    });
    grid_->SetOnKeyDown([this](int key, Qt::KeyboardModifiers m) { Guarded([&] { StringGrid5KeyDown(key, m); }); });
    grid_->SetOnKeyPress([this](QChar& key) { Guarded([&] { StringGrid5KeyPress(key); }); });
    grid_->SetOnKeyUp([this](int key, Qt::KeyboardModifiers m) { Guarded([&] { StringGrid5KeyUp(key, m); }); });
    ConnectGuarded(grid_, &TStringGrid::CellSelected, this, [this] { StringGrid5Click(); });
    ConnectGuarded(grid_, &TStringGrid::Exited, this, [this] { StringGrid5Click(); });
    column->addWidget(grid_, 1);

    popup_ = new QMenu(grid_);
    popup_->setObjectName("PopupMenu5");
    struct Item {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
        void (PayrollCalculator::*handler)();
    };
    const Item items[] = {
        {"MenuItemYenidenHesapla", "  Yeniden Hesapla", QKeySequence(Qt::Key_F3), &PayrollCalculator::SpeedButton50Click},
        {"MenuItemSifirla", "  Sıfırla", QKeySequence(Qt::Key_F7), &PayrollCalculator::SpeedButton51Click},
        {"MenuItem7", "  Satır Ekle   ", QKeySequence(Qt::SHIFT | Qt::Key_Insert), &PayrollCalculator::MenuItem7Click},
        {"MenuItem8", "  Satır Sil   ", QKeySequence(Qt::SHIFT | Qt::Key_Delete), &PayrollCalculator::MenuItem8Click},
    };
    for (const Item& item : items) {
        auto* action = new QAction(item.caption, popup_);
        action->setObjectName(item.name);
        action->setShortcut(item.shortcut);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        auto handler = item.handler;
        ConnectGuarded(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        popup_->addAction(action);
        grid_->addAction(action);
    }
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { popup_->popup(grid_->viewport()->mapToGlobal(pos)); });

    auto* totals = new QFrame;
    totals->setObjectName("Panel1");
    totals->setFrameShape(QFrame::StyledPanel);
    auto* totalGrid = new QGridLayout(totals);
    int i = 0;
    for (const TotalEdit& t : kTotalEdits) {
        auto* caption = new QLabel(t.label);
        auto* edit = new QLineEdit;
        edit->setObjectName(t.name);
        edit->setAlignment(Qt::AlignRight);
        SetTypedMaxLength(edit, 21);
        edit->installEventFilter(this);
        caption->setBuddy(edit);
        totalGrid->addWidget(caption, (i / 7) * 2, i % 7);
        totalGrid->addWidget(edit, (i / 7) * 2 + 1, i % 7);
        totals_.push_back(edit);
        ++i;
    }
    column->addWidget(totals);
}

void PayrollCalculator::FormCreate()
{
    QSignalBlocker block(grid_);
    const QStringList& headings = PayrollHeadings();
    for (int c = 0; c < kPayrollColumns; ++c) {
        grid_->SetCells(c, 0, headings[c]);
        grid_->SetColWidth(c, kColumnWidths[c]);
    }
    renumberRows();
    grid_->setCurrentCell(1, 1);
}

bool PayrollCalculator::eventFilter(QObject* watched, QEvent* event)
{
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit)
        return false;
    const QString name = edit->objectName();
    if (name.startsWith("JustaEdit")) {
        // JustaEdit2KeyPress: the totals take no typing.
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            return !key->text().isEmpty() || key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete;
        }
        return false;
    }
    if (event->type() == QEvent::FocusIn)
        Guarded([&] { name == "Edit383" ? Edit383Enter(*edit) : Edit386Enter(*edit); });
    else if (event->type() == QEvent::FocusOut)
        Guarded([&] { name == "Edit383" ? Edit383Exit(*edit) : Edit386Exit(*edit); });
    return false;
}

QString PayrollCalculator::rateText(const char* name) const
{
    auto* edit = form_.findChild<QLineEdit*>(name);
    return edit ? edit->text() : QString();
}

long double PayrollCalculator::readRate(const char* name) const
{
    return ReadPayrollRate(name, rateText(name));
}

PayrollRow PayrollCalculator::readRow(int row) const
{
    PayrollRow cells;
    for (int c = 0; c < kPayrollColumns; ++c)
        cells[c] = grid_->Cells(c, row);
    return cells;
}

std::vector<PayrollRow> PayrollCalculator::readGrid() const
{
    std::vector<PayrollRow> grid;
    grid.reserve(grid_->RowCount());
    for (int r = 0; r < grid_->RowCount(); ++r)
        grid.push_back(readRow(r));
    return grid;
}

void PayrollCalculator::writeRow(int row, const PayrollRow& cells)
{
    for (int c = 0; c < kPayrollColumns; ++c)
        if (grid_->Cells(c, row) != cells[c])
            grid_->SetCells(c, row, cells[c]);
}

void PayrollCalculator::writeTotals(const PayrollTotals& totals)
{
    const QStringList texts = PayrollTotalTexts(totals);
    for (size_t i = 0; i < totals_.size(); ++i)
        totals_[i]->setText(texts[static_cast<int>(i)]);
}

void PayrollCalculator::renumberRows()
{
    for (int r = 1; r < grid_->RowCount(); ++r)
        grid_->SetCells(0, r, QString::number(r));
}

void PayrollCalculator::StringGrid5Click()
{
    const int r = grid_->Row();
    if (r < 1)
        return;
    PayrollRow row = readRow(r);
    bool computed = false;
    try {
        computed = ComputePayrollRow(row, [this](const char* name) { return readRate(name); });
    } catch (...) {
        writeRow(r, row);
        throw;
    }
    writeRow(r, row);
    if (computed)
        writeTotals(ComputePayrollTotals(readGrid()));
}

void PayrollCalculator::StringGrid5KeyDown(int key, Qt::KeyboardModifiers)
{
    if (key == Qt::Key_Up || key == Qt::Key_Down)
        StringGrid5Click();
    const int r = grid_->Row();
    if (grid_->Col() > 1 && grid_->Cells(1, r).size() > 1 && r == grid_->RowCount() - 1) {
        const int added = grid_->RowCount();
        grid_->SetRowCount(added + 1);
        grid_->SetCells(0, added, QString::number(added));
    }
}

void PayrollCalculator::StringGrid5KeyPress(QChar& key)
{
    const QChar decimal = FormatSettings().DecimalSeparator;
    if (key == decimal)
        DecimalTypedFlag = "cikcik";
    const int col = grid_->Col();
    const bool numeric = col == 2 || col == 3 || col == 4 || col == 14 || col == 15;
    if (numeric && !(key == u'\b' || key == u'\r' || (key >= u'0' && key <= u'9') || key == decimal))
        key = QChar();
    else if (col >= 5 && col <= 13 && key != u'\r')
        key = QChar();
}

void PayrollCalculator::StringGrid5KeyUp(int key, Qt::KeyboardModifiers modifiers)
{
    const bool keypadDecimal = (modifiers & Qt::KeypadModifier) && (key == Qt::Key_Period || key == Qt::Key_Comma);
    if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down || keypadDecimal)
        return;
    if (DecimalTypedFlag == "cikcik") {
        DecimalTypedFlag.clear();
        return;
    }
    const int col = grid_->Col(), row = grid_->Row();
    if (col != 2 && col != 3)
        return;
    // Live grouping of a whole amount while it is typed.
    const QString text = grid_->Cells(col, row);
    if (!text.contains(FormatSettings().DecimalSeparator) && text.size() > 2) {
        grid_->SetCells(col, row, FormatFloat("#,##0", StrToAmount(text)));
        grid_->SetEditorMode(true);
    }
}

void PayrollCalculator::StringGrid5DrawCell(QPainter& painter, int col, int row, const QRect& rect)
{
    const bool fixed = col == 0 || row == 0;
    const int brush = fixed ? 0xF0CAA6 : row % 2 == 0 ? 0xFFEBDF : 0xE1FFF9;
    painter.setBrush(ColorFromTColor(brush));
    painter.setPen(Qt::black);
    TCellAlignment alignment = taLeftJustify;
    if (row == 0 || col == 0)
        alignment = taCenter;
    else if (col >= 2 && col <= 14)
        alignment = taRightJustify;
    DrawCellText(grid_->Cells(col, row), rect, painter, alignment, grid_->font());
}

void PayrollCalculator::SpeedButton50Click()
{
    // Rows 1 to RowCount-2: the last row is the one awaiting input.
    std::vector<PayrollRow> grid = readGrid();
    const int last = grid_->RowCount() - 2;
    PayrollRecalcResult result =
        RecalculatePayroll(grid, 1, last, [this](const char* name) { return readRate(name); });
    {
        // The selection walks down from row 1 as each row is computed; the pass computed them already.
        QSignalBlocker block(grid_);
        for (int r = 1; r <= last; ++r)
            writeRow(r, grid[r]);
        if (result.totals)
            writeTotals(*result.totals);
        // It ends below the last computed row, or stays on the row that could not be computed.
        grid_->SetRow(result.error ? result.errorRow : std::max(last + 1, 1));
    }
    if (result.error)
        std::rethrow_exception(result.error);
}

void PayrollCalculator::SpeedButton51Click()
{
    if (!Dialogs().Confirm("Dosyayı Boşaltmak istediğinizden eminmisiniz?"))
        return;
    QSignalBlocker block(grid_);
    for (int r = 1; r < grid_->RowCount(); ++r)
        for (int c = 0; c < grid_->ColCount(); ++c)
            grid_->SetCells(c, r, QString());
    grid_->SetRowCount(2);
    grid_->SetCells(0, 1, "1");
    for (QLineEdit* edit : totals_)
        edit->clear();
    grid_->SetRow(1);
}

void PayrollCalculator::MenuItem7Click()
{
    if (grid_->Row() < 1)
        return;
    const int added = grid_->RowCount();
    grid_->SetRowCount(added + 1);
    MoveGridRow(*grid_, added, grid_->Row());
    renumberRows();
}

void PayrollCalculator::MenuItem8Click()
{
    const int r = grid_->Row();
    if (r < 1)
        return;
    if (!grid_->Cells(1, r).isEmpty() && !Dialogs().Confirm("Kaydı Silmek istediğinizden eminmisiniz?"))
        return;
    DeleteRow(*grid_, r);
    renumberRows();
}

void PayrollCalculator::SpeedButton52Click()
{
    const int r = grid_->Row();
    if (r < 1)
        return;
    auto value = [](const QString& text, const QString& what) {
        return static_cast<double>(ReadPayrollAmount(text, what));
    };
    auto rate = [&](const char* name) { return static_cast<double>(readRate(name)); };
    GrossFromNetInputs in;
    in.sgkWorker = rate("Edit379");
    in.unemploymentWorker = rate("Edit381");
    in.dailyDeduction = rate("Edit383");
    in.incomeTax = rate("Edit384");
    in.stampTax = rate("Edit385");
    const double net = value(grid_->Cells(3, r), PayrollHeadings()[3]);
    in.ceiling = rate("Edit387");
    grid_->SetCells(2, r, FormatPayrollMoney(GrossFromNet(in, net).gross));
    StringGrid5Click();
}

void PayrollCalculator::SpeedButton9Click()
{
    SpeedButton50Click();
    TRichEdit& body = *form_.RichEdit9;
    body.ClearLines();
    TfrReport& report = *form_.frReport3;
    TfrMemoView& heading1 = TemplateMemo(report, "Memo1");
    TfrMemoView& heading2 = TemplateMemo(report, "Memo6");
    TfrMemoView& dateLine = TemplateMemo(report, "Memo7");
    TemplateMemo(report, "Memo5").Memo.SetText("Ücret Hesaplama Rapor Dökümü");
    dateLine.Memo.SetText("İşlem Tarihi        : " + FormatDateTime("dd/mm/yyyy", Date()));
    heading1.Memo.SetText(PayrollReportHeader1());
    heading2.Memo.SetText(PayrollReportHeader2());
    QStringList lines;
    // every row, also an empty last one
    for (int row = 1; row < grid_->RowCount(); ++row) {
        QStringList cells;
        for (int col = 0; col < 15; ++col)
            cells << grid_->Cells(col, row);
        lines << PayrollReportLine(cells);
    }
    QStringList totals;
    for (const QLineEdit* edit : totals_)
        totals << edit->text();
    lines << QString() << PayrollTotalsLine(totals) << QString();
    body.AddLines(lines);
    const TFont font = RichEditFont(body);
    for (TfrMemoView* memo : {&heading1, &heading2, &dateLine})
        memo->SetFont(font);
    FillRichView(report, body);
    report.Title = "Dorvan Rapor Önizleme - Ücret Hesaplama Rapor Dökümü";
    report.ShowReport();
}

void PayrollCalculator::SpeedButton17Click()
{
    UcretExcel();
}

void PayrollCalculator::UcretExcel()
{
    if (grid_->Row() != 1) {
        {
            QSignalBlocker block(grid_);
            grid_->SetRow(1);
        }
        StringGrid5Click();
    }
    // Asked before anything is written, with the folder and name an export took without asking.
    QString path = Dialogs().SaveFileName("Tavrelo Çözüm Ücret Bordrosu Excel Dosyası Sakla", kWorkbookFilter,
                                          PayrollWorkbookPath(QDateTime::currentDateTime()));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().compare("xlsx", Qt::CaseInsensitive) != 0)
        path += ".xlsx";
    if (QFileInfo::exists(path) && !Dialogs().Confirm("Dosya mevcut Üzerine kayıt edilsinmi?"))
        return;
    try {
        WritePayrollWorkbook(path, readGrid(), grid_->ColCount());
    } catch (const EInOutError& e) {
        throw EInOutError(QString("Excel açılamadı. Sistem Mesajı: %1").arg(e.Message()));
    }
    // The workbook is written: say where it is rather than report a failure.
    if (!PayrollExport().open || !PayrollExport().open(path))
        Dialogs().MessageBox(QString("Bordro şu dosyaya kaydedildi:\n%1\n\nBu dosyayı açacak bir hesap tablosu "
                                     "programı bulunamadı; dosyayı böyle bir programla kendiniz açabilirsiniz.")
                                 .arg(QDir::toNativeSeparators(path)),
                             ApplicationTitle(), DialogService::Information, DialogService::Ok);
}

void PayrollCalculator::BitBtn21Click()
{
    DocumentKind = "5";
    SpeedButton50Click();
    QString name = Dialogs().SaveFileName("Tavrelo Çözüm Ücret Dosyası Sakla", kFileFilter, QString());
    if (name.isEmpty())
        return;
    if (!name.contains(".tus"))
        name += ".tus";
    if (QFileInfo::exists(name) && !Dialogs().Confirm("Dosya mevcut Üzerine kayıt edilsinmi?"))
        return;
    form_.SaveToFile(name);
}

void PayrollCalculator::BitBtn22Click()
{
    DocumentKind = "5";
    const QString name = Dialogs().OpenFileName("Tavrelo Çözüm Ücret Dosyası Aç", kFileFilter, QString());
    if (name.isEmpty() || !QFileInfo::exists(name))
        return;
    LoadCalculatorDocument(name);
    SpeedButton50Click();
}

void PayrollCalculator::tfXPButton8Click()
{
    yardimF().ShowTopic("yardimbrd");
}

QStringList PayrollCalculator::GetStringsToSave5() const
{
    QStringList header;
    for (const QString& name : PayrollDocumentHeaderEdits())
        header << rateText(name.toLatin1().constData());
    return PayrollDocumentLines(header, readGrid());
}

void PayrollCalculator::SetStringsFromLoad5(const QStringList& lines)
{
    const PayrollDocument doc = ParsePayrollDocument(lines);
    const QStringList& names = PayrollDocumentHeaderEdits();
    for (int i = 0; i < names.size(); ++i)
        if (auto* edit = form_.findChild<QLineEdit*>(names[i]))
            edit->setText(doc.headerValues[i]);
    QSignalBlocker block(grid_);
    grid_->SetRowCount(static_cast<int>(doc.rows.size()) + 1);
    for (size_t i = 0; i < doc.rows.size(); ++i)
        writeRow(static_cast<int>(i) + 1, doc.rows[i]);
    grid_->SetRow(1);
}
