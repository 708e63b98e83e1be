#include "calc/payroll_assets/payroll_excel.h"

#include "base/exceptions.h"
#include "base/numbers.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QStandardPaths>
#include <QUrl>

#include <xlsxwriter.h>

#include <algorithm>
#include <array>
#include <clocale>
#include <locale.h>

namespace {
constexpr int kSheetColumns = 18;  // A to R, the columns the export fits
constexpr const char* kMoneyFormat = "#,##0.00";  // shown by every spreadsheet with the user's separators

QString columnLetter(int col)
{
    return QString(QChar('A' + col));
}

// The width a text needs, in the spreadsheet's unit (digits of the default 11-point font), as
// fitting a column to its contents measures it.
double textWidth(const QString& text, double pointSize, bool bold)
{
    QFont font("Liberation Sans");
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    QFont standard("Liberation Sans");
    standard.setPointSizeF(11);
    const double digit = QFontMetricsF(standard).horizontalAdvance(QChar('0'));
    return QFontMetricsF(font).horizontalAdvance(text) / digit + 0.75;
}

// The writer prints numbers, widths and margins with the C library, whose decimal mark follows the
// process's numeric locale: under a Turkish desktop it would write "2144,73", which no spreadsheet
// reads. The file format has its own number form; the thread writes in the C locale while this lives.
class CNumericLocale {
public:
    CNumericLocale()
    {
        locale_t base = duplocale(uselocale(static_cast<locale_t>(nullptr)));
        c_ = base ? newlocale(LC_NUMERIC_MASK, "C", base) : static_cast<locale_t>(nullptr);
        if (!c_) {
            if (base)
                freelocale(base);
            throw EInOutError("Çalışma kitabı yazılamadı: sayı biçimi ayarlanamadı.");
        }
        previous_ = uselocale(c_);
    }
    ~CNumericLocale()
    {
        uselocale(previous_);
        freelocale(c_);
    }
    CNumericLocale(const CNumericLocale&) = delete;
    CNumericLocale& operator=(const CNumericLocale&) = delete;

private:
    locale_t c_ = nullptr;
    locale_t previous_ = nullptr;
};

class Workbook {
public:
    explicit Workbook(const QString& fileName)
        : book_(workbook_new(QFile::encodeName(fileName).constData())), fileName_(fileName)
    {
        if (!book_)
            throw EInOutError(QString("%1 oluşturulamadı.").arg(fileName));
        sheet_ = workbook_add_worksheet(book_, "Sayfa1");
    }
    ~Workbook()
    {
        if (book_)
            workbook_close(book_);
    }
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    lxw_format* Format(bool bold, double size, bool money)
    {
        lxw_format*& f = formats_[bold][size == 12][money];
        if (!f) {
            f = workbook_add_format(book_);
            if (bold)
                format_set_bold(f);
            format_set_font_size(f, size);
            if (money)
                format_set_num_format(f, kMoneyFormat);
        }
        return f;
    }

    void Text(int row, int col, const QString& text, lxw_format* format, double size = 11, bool bold = false)
    {
        if (text.isEmpty()) {
            if (format)
                worksheet_write_blank(sheet_, row, col, format);
            return;
        }
        worksheet_write_string(sheet_, row, col, text.toUtf8().constData(), format);
        fit(col, textWidth(text, size, bold));
    }
    void Number(int row, int col, long double value, lxw_format* format, bool money, double size = 11,
                bool bold = false)
    {
        worksheet_write_number(sheet_, row, col, static_cast<double>(value), format);
        fit(col, textWidth(shown(value, money), size, bold));
    }
    void Formula(int row, int col, const QString& formula, long double result, lxw_format* format)
    {
        worksheet_write_formula_num(sheet_, row, col, formula.toUtf8().constData(), format,
                                    static_cast<double>(result));
        fit(col, textWidth(shown(result, true), 11, true));
    }

    void Close()
    {
        for (int c = 0; c < kSheetColumns; ++c)
            if (widths_[c] > 0)
                worksheet_set_column(sheet_, c, c, widths_[c], nullptr);
        lxw_workbook* book = book_;
        book_ = nullptr;
        const lxw_error error = workbook_close(book);
        if (error != LXW_NO_ERROR)
            throw EInOutError(QString("%1: %2").arg(fileName_, QString::fromUtf8(lxw_strerror(error))));
    }

    lxw_worksheet* Sheet() { return sheet_; }

private:
    static QString shown(long double value, bool money)
    {
        // General shows up to eleven characters before it turns to exponent form.
        return money ? FormatFloat(kMoneyFormat, value) : FloatToStr(value).left(11);
    }
    void fit(int col, double width)
    {
        if (col < kSheetColumns)
            widths_[col] = std::max(widths_[col], width);
    }

    CNumericLocale numbers_;  // first, so that it outlives the writer
    lxw_workbook* book_;
    lxw_worksheet* sheet_ = nullptr;
    QString fileName_;
    lxw_format* formats_[2][2][2] = {};
    std::array<double, kSheetColumns> widths_{};
};
}  // namespace

void WritePayrollWorkbook(const QString& fileName, const std::vector<PayrollRow>& grid, int colCount)
{
    const int rowCount = static_cast<int>(grid.size());
    auto gridText = [&](int col, int row) { return col < kPayrollColumns ? grid[row][col] : QString(); };
    // Sheet column c carries grid column c + 1; the name and both registration numbers are text, but
    // the SGK number goes as a number, as it always has.
    auto isText = [](int c) { return c == 0 || c == 15 || c == 16; };

    // Every number is read before the file is created, so a bad cell leaves no half workbook behind.
    std::vector<std::vector<long double>> values(rowCount, std::vector<long double>(colCount, 0));
    for (int r = 1; r < rowCount; ++r)
        for (int c = 0; c < colCount; ++c)
            if (!isText(c))
                values[r][c] = ReadPayrollAmount(gridText(c + 1, r), PayrollHeadings().value(c + 1));

    Workbook book(fileName);
    lxw_format* heading = book.Format(true, 12, false);
    lxw_format* headingMoney = book.Format(true, 12, true);
    lxw_format* money = book.Format(false, 11, true);
    lxw_format* bold = book.Format(true, 11, false);
    lxw_format* boldMoney = book.Format(true, 11, true);

    // Rows 1 to 3 are bold, rows 2 and 3 in 12 points, like the cell "Firma : ".
    worksheet_set_row(book.Sheet(), 0, LXW_DEF_ROW_HEIGHT, bold);
    worksheet_set_row(book.Sheet(), 1, LXW_DEF_ROW_HEIGHT, heading);
    worksheet_set_row(book.Sheet(), 2, LXW_DEF_ROW_HEIGHT, heading);
    book.Text(0, 0, "Firma : ", heading, 12, true);
    book.Text(1, 0, "Bordro Ayı :", heading, 12, true);

    auto moneyColumn = [](int c) { return c >= 1 && c <= 13; };  // B to N
    for (int r = 0; r < rowCount; ++r) {
        const int sheetRow = r + 2;
        for (int c = 0; c < colCount; ++c) {
            if (r == 0) {
                book.Text(sheetRow, c, gridText(c + 1, r), moneyColumn(c) ? headingMoney : heading, 12, true);
            } else if (isText(c)) {
                book.Text(sheetRow, c, gridText(c + 1, r), nullptr);
            } else if (values[r][c] != 0) {
                const bool m = moneyColumn(c);
                book.Number(sheetRow, c, values[r][c], m ? money : nullptr, m);
            }
        }
    }

    // Sums over the data rows and the one empty row after them.
    const int totalRow = rowCount + 5, lastSummed = rowCount + 3;
    book.Text(totalRow - 1, 0, "TOPLAM:", bold, 11, true);
    for (int c = 1; c <= 13; ++c) {
        long double sum = 0;
        for (int r = 1; r < rowCount && c < colCount; ++r)
            sum += values[r][c];
        const QString letter = columnLetter(c);
        book.Formula(totalRow - 1, c, QString("=SUM(%1%2:%1%3)").arg(letter).arg(4).arg(lastSummed), sum,
                     boldMoney);
    }
    for (int c = 14; c < kSheetColumns; ++c)
        book.Text(totalRow - 1, c, QString(), bold);
    book.Close();
}

PayrollExportTarget& PayrollExport()
{
    static PayrollExportTarget target{QString(), [](const QString& path) {
                                          return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
                                      }};
    return target;
}

QString PayrollWorkbookPath(const QDateTime& when)
{
    QString folder = PayrollExport().folder;
    if (folder.isEmpty()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty() || !QDir(folder).exists())
            folder = QDir::tempPath();
    }
    // A workbook written earlier may still be open: a new one never takes its name.
    const QString stem = QDir(folder).filePath(when.toString("'Ücret Bordrosu' yyyy-MM-dd HH.mm.ss"));
    QString path = stem + ".xlsx";
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QString("%1 (%2).xlsx").arg(stem).arg(n);
    return path;
}
