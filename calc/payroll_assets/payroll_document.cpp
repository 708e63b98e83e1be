#include "calc/payroll_assets/payroll_document.h"

#include "base/exceptions.h"
#include "base/string_list.h"

namespace {
QString commaText(const QStringList& items)
{
    return TStringList(items).CommaText();
}

QStringList splitCommaText(const QString& line)
{
    TStringList list;
    list.SetCommaText(line);
    return list.ToQStringList();
}

// True when a quoted item of the comma text has no closing quote, as in a line cut short. Walks the
// items as the comma-text reader does.
bool endsInsideQuotes(QString line)
{
    if (const qsizetype nul = line.indexOf(QChar(0)); nul >= 0)
        line.truncate(nul);
    const qsizetype n = line.size();
    qsizetype i = 0;
    auto skipBlanks = [&] {
        while (i < n && line.at(i) <= u' ')
            ++i;
    };
    skipBlanks();
    while (i < n) {
        if (line.at(i) == u'"') {
            for (++i;; ++i) {
                if (i >= n)
                    return true;
                if (line.at(i) != u'"')
                    continue;
                if (i + 1 < n && line.at(i + 1) == u'"') {
                    ++i;
                    continue;
                }
                ++i;
                break;
            }
        } else {
            while (i < n && line.at(i) > u' ' && line.at(i) != u',')
                ++i;
        }
        skipBlanks();
        if (i < n && line.at(i) == u',') {
            ++i;
            skipBlanks();
        }
    }
    return false;
}

[[noreturn]] void damagedRow(qsizetype lineIndex)
{
    throw EReadError(QStringLiteral("Ücret dosyası bozuk ya da eksik: %1. satırı tam değil; bordro değiştirilmedi.")
                         .arg(lineIndex + 1));
}

[[noreturn]] void notAPayrollDocument()
{
    throw EReadError("Dosya bir Tavrelo ücret dosyası değil; bordro değiştirilmedi.");
}
}  // namespace

const QStringList& PayrollDocumentHeaderEdits()
{
    static const QStringList names = {"Edit379", "Edit380", "Edit381", "Edit382", "Edit384",
                                      "Edit385", "Edit386", "Edit387", "Edit383"};
    return names;
}

QStringList PayrollDocumentLines(const QStringList& headerValues, const std::vector<PayrollRow>& grid)
{
    QStringList lines;
    lines << commaText(headerValues);
    for (const PayrollRow& row : grid)
        lines << commaText(QStringList(row.begin(), row.end()));
    return lines;
}

PayrollDocument ParsePayrollDocument(const QStringList& lines)
{
    // A document has the header, the heading row and at least one grid row; its heading row is the
    // payroll grid's, which tells it from the other calculators' documents.
    if (lines.size() < 3)
        notAPayrollDocument();
    PayrollDocument doc;
    doc.headerValues = splitCommaText(lines[0]);
    if (doc.headerValues.size() < PayrollDocumentHeaderEdits().size())
        notAPayrollDocument();
    doc.headerValues = doc.headerValues.mid(0, PayrollDocumentHeaderEdits().size());
    const QStringList headings = splitCommaText(lines[1]);
    if (headings.size() != kPayrollColumns || headings.mid(1) != PayrollHeadings().mid(1))
        notAPayrollDocument();
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QStringList items = splitCommaText(lines[i]);
        if (items.size() > kPayrollColumns)
            notAPayrollDocument();
        // every row is written with all its cells, so fewer means the file was cut
        if (items.size() < kPayrollColumns || endsInsideQuotes(lines[i]))
            damagedRow(i);
        PayrollRow row;
        for (qsizetype c = 0; c < items.size(); ++c)
            row[c] = items[c];
        doc.rows.push_back(std::move(row));
    }
    return doc;
}
