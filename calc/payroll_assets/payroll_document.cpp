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
        PayrollRow row;
        for (qsizetype c = 0; c < items.size(); ++c)
            row[c] = items[c];
        doc.rows.push_back(std::move(row));
    }
    return doc;
}
