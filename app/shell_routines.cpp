#include "app/shell_routines.h"

#include "base/error_texts.h"
#include "base/exceptions.h"
#include "base/format_settings.h"
#include "base/numbers.h"
#include "base/string_grid.h"
#include "base/strings.h"

#include <QDate>
#include <QFontMetrics>
#include <QPainter>

namespace {
// Keeps the digits, a sign in the first position and (when wanted) the decimal separators.
QString keepAmountCharacters(const QString& text, bool keepDecimal)
{
    const QChar decimal = FormatSettings().DecimalSeparator;
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if ((c >= '0' && c <= '9') || (i == 0 && (c == '+' || c == '-')) || (keepDecimal && c == decimal))
            kept += c;
    }
    return kept;
}

// A number in the class library's general format, as amounts of 10^18 and more are written ("1E19",
// "1,5E-7"): dropping its "E" would keep the exponent's digits as digits of the amount.
bool holdsExponent(const QString& text)
{
    for (qsizetype i = 1; i + 1 < text.size(); ++i) {
        if ((text[i] != u'E' && text[i] != u'e') || !text[i - 1].isDigit())
            continue;
        const qsizetype next = (text[i + 1] == u'+' || text[i + 1] == u'-') ? i + 2 : i + 1;
        if (next < text.size() && text[next].isDigit())
            return true;
    }
    return false;
}

long double amountFrom(const QString& text, bool keepDecimal)
{
    if (holdsExponent(text))
        throw EConvertError(ErrorTexts::InvalidFloat(text));
    const QString kept = keepAmountCharacters(text, keepDecimal);
    if (kept.isEmpty())
        return 0;
    return StrToFloat(kept);
}

int twoDigits(const QString& text, int at)
{
    if (!text[at].isDigit() || !text[at + 1].isDigit())
        return -1;
    return text[at].digitValue() * 10 + text[at + 1].digitValue();
}
}  // namespace

long double StrToAmount(const QString& text)
{
    return amountFrom(text, true);
}

long double StrToWholeAmount(const QString& text)
{
    return amountFrom(text, false);
}

QString LocalizedDesignAmount(const QString& turkishText)
{
    QString text;
    text.reserve(turkishText.size());
    for (QChar ch : turkishText)
        text += ch == u',' ? FormatSettings().DecimalSeparator
              : ch == u'.' ? FormatSettings().ThousandSeparator
                           : ch;
    return text;
}

QString PadLeft(int width, const QString& text)
{
    return text.size() >= width ? text : QString(width - text.size(), ' ') + text;
}

QString PadRight(int width, const QString& text)
{
    return text.size() >= width ? text : text + QString(width - text.size(), ' ');
}

QString MidStr(const QString& text, int start, int count)
{
    // a start before the text counts from the first character and still takes count characters
    return Copy(text, start, count);
}

bool IsValidDateText(const QString& text)
{
    const QChar sep = FormatSettings().DateSeparator;
    if (text.size() != 10)
        return false;
    for (int at : {2, 5})
        if (text[at] != sep && text[at] != '.')
            return false;
    const int day = twoDigits(text, 0);
    const int month = twoDigits(text, 3);
    const int high = twoDigits(text, 6);
    const int low = twoDigits(text, 8);
    if (day < 0 || month < 0 || high < 0 || low < 0)
        return false;
    const int year = high * 100 + low;
    return year >= 1 && QDate::isValid(year, month, day);
}

void DrawCellText(const QString& text, const QRect& cell, QPainter& painter, TCellAlignment alignment,
                  const QFont& font)
{
    painter.save();
    painter.setClipRect(cell, Qt::IntersectClip);
    painter.fillRect(cell, painter.brush());
    painter.setFont(font);
    const QFontMetrics metrics(font, painter.device());
    const int width = metrics.horizontalAdvance(text);
    int x = cell.left() + 2;
    if (alignment == taRightJustify)
        x = cell.left() + cell.width() - width - 2;
    else if (alignment == taCenter)
        x = cell.left() + (cell.width() - width) / 2;
    painter.drawText(QPoint(x, cell.top() + 2 + metrics.ascent()), text);
    painter.restore();
    painter.setFont(font);  // the canvas keeps the font, only the clip is undone
}

void MoveGridRow(TStringGrid& grid, int from, int to)
{
    grid.MoveRowCells(from, to);
}

void DeleteRow(TStringGrid& grid, int row)
{
    const int rows = grid.RowCount();
    if (row < grid.FixedRows() || row >= rows)
        return;
    // The last data row is emptied rather than removed: a grid needs one row to type into.
    if (rows - 1 <= grid.FixedRows()) {
        for (int c = grid.FixedCols(); c < grid.ColCount(); ++c)
            grid.SetCells(c, row, QString());
        return;
    }
    MoveGridRow(grid, row, rows - 1);
    grid.SetRowCount(rows - 1);
}
