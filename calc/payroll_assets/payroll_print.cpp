#include "calc/payroll_assets/payroll_print.h"

#include "app/shell_routines.h"

#include <array>

namespace {
constexpr int kPieces = 15;
constexpr int kPieceLimit = 17;
using Widths = std::array<int, kPieces>;
constexpr Widths kDataWidths{3, 17, 10, 10, 4, 10, 10, 8, 8, 11, 11, 10, 8, 10, 10};

// The first two pieces are left-aligned, the others right-aligned; missing texts are blank.
QString joinPieces(const Widths& widths, const QStringList& texts)
{
    QString line;
    for (int i = 0; i < kPieces; ++i) {
        const QString text = texts.value(i);
        const int width = widths[static_cast<size_t>(i)];
        line += (i < 2 ? PadRight(width, text) : PadLeft(width, text)).left(kPieceLimit);
    }
    return line;
}
}  // namespace

QString PayrollReportHeader1()
{
    return joinPieces({3, 17, 10, 10, 4, 13, 7, 13, 2, 11, 11, 10, 8, 10, 10},
                      {"", "", "", "", "", "SGK", "", "İşsizlik", "", "SGK", "G.V.", "Gelir", "", "Kesinti", "Toplam"});
}

QString PayrollReportHeader2()
{
    return joinPieces({3, 17, 10, 10, 4, 10, 10, 10, 10, 11, 11, 10, 8, 10, 10},
                      {"", "Adı Soyadı", "Brüt Ücret", "Net Ücret", "Gün", "İşçi", "İşveren", "İşçi", "İşv.",
                       "Toplamı", "Matrahı", "Vergisi", "DV", "Toplamı", "Maliyet"});
}

QString PayrollReportLine(const QStringList& cells)
{
    return joinPieces(kDataWidths, cells.mid(0, kPieces));
}

QString PayrollTotalsLine(const QStringList& totals)
{
    return joinPieces(kDataWidths, QStringList{"", "TOPLAMLAR"} + totals.mid(0, kPieces - 2));
}
