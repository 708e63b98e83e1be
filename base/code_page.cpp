#include "base/code_page.h"

#include <array>

namespace {

// Bytes 0x80..0xFF of code page 1254. Bytes the code page leaves undefined (0x81, 0x8D..0x90,
// 0x9D, 0x9E) map to the C1 control of the same value so that any byte string reads and writes
// back unchanged.
constexpr std::array<char16_t, 128> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x008E, 0x008F,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x009E, 0x0178,  // 98
    0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,  // A8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF,  // B8
    0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7,  // C0
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF,  // C8
    0x011E, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7,  // D0: Ğ
    0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x0130, 0x015E, 0x00DF,  // D8: İ Ş
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7,  // E0
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF,  // E8
    0x011F, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7,  // F0: ğ
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x0131, 0x015F, 0x00FF,  // F8: ı ş
};

// The reverse of kHigh over the whole 16-bit range; 0 marks a character without a byte (the NUL
// character itself is ASCII and never looked up here).
const std::array<unsigned char, 0x10000>& ReverseTable()
{
    static const auto table = [] {
        std::array<unsigned char, 0x10000> t{};
        for (int i = 0; i < 128; ++i)
            t[kHigh[i]] = static_cast<unsigned char>(0x80 + i);
        return t;
    }();
    return table;
}

}  // namespace

char ToCp1254Char(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80)
        return static_cast<char>(u);
    const unsigned char b = ReverseTable()[u];
    return b ? static_cast<char>(b) : '?';
}

QChar FromCp1254Char(unsigned char c)
{
    return c < 0x80 ? QChar(c) : QChar(kHigh[c - 0x80]);
}

QByteArray ToCp1254(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        // A character outside the 16-bit range is one character to the user: one '?', not two.
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        out.append(ToCp1254Char(c));
    }
    return out;
}

QString FromCp1254(const QByteArray& bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        d[i] = FromCp1254Char(static_cast<unsigned char>(bytes[i]));
    return out;
}
