#include "base/strings.h"

#include <algorithm>

namespace {

constexpr char16_t kDotlessI = 0x0131;  // ı
constexpr char16_t kDottedI = 0x0130;   // İ

QChar TurkishUpper(QChar c)
{
    switch (c.unicode()) {
    case u'i': return QChar(kDottedI);
    case kDotlessI: return QChar(u'I');
    default: return c.toUpper();
    }
}

QChar TurkishLower(QChar c)
{
    switch (c.unicode()) {
    case u'I': return QChar(kDotlessI);
    case kDottedI: return QChar(u'i');
    default: return c.toLower();
    }
}

QChar AsciiUpper(QChar c) { return c >= u'a' && c <= u'z' ? QChar(c.unicode() - 32) : c; }
QChar AsciiLower(QChar c) { return c >= u'A' && c <= u'Z' ? QChar(c.unicode() + 32) : c; }

template <class F>
QString MapChars(const QString& s, F f)
{
    QString out(s);
    for (QChar& c : out)
        c = f(c);
    return out;
}

// Collation weights of one character after Turkish lower-casing. Primary: the letter of the
// alphabet (ç after c, ğ after g, ı before i, ö after o, ş after s, ü after u; other accented
// letters count as their base letter); secondary: the accent; tertiary: the case.
struct Weight {
    int primary;
    int secondary;
};

Weight WeightOf(QChar lower)
{
    const char16_t u = lower.unicode();
    auto letter = [](char16_t base, int shift) { return 0x30000 + (base - u'a') * 4 + shift; };
    if (u >= u'a' && u <= u'z')
        return {letter(u, 0), 0};
    switch (u) {
    case 0x00E7: return {letter(u'c', 2), 0};  // ç
    case 0x011F: return {letter(u'g', 2), 0};  // ğ
    case kDotlessI: return {letter(u'i', -2), 0};
    case 0x00F6: return {letter(u'o', 2), 0};  // ö
    case 0x015F: return {letter(u's', 2), 0};  // ş
    case 0x00FC: return {letter(u'u', 2), 0};  // ü
    default: break;
    }
    if (u >= u'0' && u <= u'9')
        return {0x20000 + u, 0};
    if (lower.isLetter()) {
        const QString d = lower.decomposition();
        if (!d.isEmpty() && d.at(0) >= u'a' && d.at(0) <= u'z')
            return {letter(d.at(0).unicode(), 0), u};
        return {0x40000 + u, 0};
    }
    return {0x10000 + u, 0};  // blanks and signs sort before digits and letters
}

int Sign(int v) { return (v > 0) - (v < 0); }

int Collate(const QString& a, const QString& b, bool caseSensitive)
{
    // Lower-cased a character at a time: sorting and finding call this often.
    const qsizetype n = std::min(a.size(), b.size());
    int secondary = 0, tertiary = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar la = TurkishLower(a.at(i)), lb = TurkishLower(b.at(i));
        const Weight wa = WeightOf(la), wb = WeightOf(lb);
        if (wa.primary != wb.primary)
            return Sign(wa.primary - wb.primary);
        if (!secondary)
            secondary = Sign(wa.secondary - wb.secondary);
        // Lower case before upper case, as the system's ordering does.
        if (!tertiary)
            tertiary = Sign(int(a.at(i) != la) - int(b.at(i) != lb));
    }
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    if (secondary)
        return secondary;
    return caseSensitive ? tertiary : 0;
}

}  // namespace

QString AnsiUpperCase(const QString& s) { return MapChars(s, TurkishUpper); }
QString AnsiLowerCase(const QString& s) { return MapChars(s, TurkishLower); }
int AnsiCompareText(const QString& a, const QString& b) { return Collate(a, b, false); }
int AnsiCompareStr(const QString& a, const QString& b) { return Collate(a, b, true); }
bool AnsiSameText(const QString& a, const QString& b) { return AnsiCompareText(a, b) == 0; }

QString UpperCase(const QString& s) { return MapChars(s, AsciiUpper); }
QString LowerCase(const QString& s) { return MapChars(s, AsciiLower); }

int CompareText(const QString& a, const QString& b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const int d = AsciiUpper(a.at(i)).unicode() - AsciiUpper(b.at(i)).unicode();
        if (d)
            return d;
    }
    return static_cast<int>(a.size() - b.size());
}

bool SameText(const QString& a, const QString& b) { return CompareText(a, b) == 0; }

QString TrimLeft(const QString& s)
{
    qsizetype i = 0;
    while (i < s.size() && s.at(i) <= u' ')
        ++i;
    return s.mid(i);
}

QString TrimRight(const QString& s)
{
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1) <= u' ')
        --n;
    return s.left(n);
}

QString Trim(const QString& s) { return TrimLeft(TrimRight(s)); }

int Pos(const QString& sub, const QString& s)
{
    if (sub.isEmpty())
        return 0;
    return static_cast<int>(s.indexOf(sub)) + 1;
}

QString Copy(const QString& s, int index, int count)
{
    if (index < 1)
        index = 1;
    if (count <= 0 || index > s.size())
        return {};
    return s.mid(index - 1, count);
}

QString StringOfChar(QChar c, int count) { return count > 0 ? QString(count, c) : QString(); }

QString QuotedStr(const QString& s)
{
    QString out = s;
    out.replace(u'\'', QStringLiteral("''"));
    return u'\'' + out + u'\'';
}

QString AnsiExtractQuotedStr(const QString& s, qsizetype& pos, QChar quote)
{
    if (pos >= s.size() || s.at(pos) != quote)
        return {};
    QString result;
    ++pos;
    while (pos < s.size()) {
        if (s.at(pos) == quote) {
            if (pos + 1 < s.size() && s.at(pos + 1) == quote) {
                result += quote;
                pos += 2;
                continue;
            }
            ++pos;
            break;
        }
        result += s.at(pos++);
    }
    return result;
}

QString AnsiDequotedStr(const QString& s, QChar quote)
{
    qsizetype end = 0;
    const QString result = AnsiExtractQuotedStr(s, end, quote);
    // Text that is not one whole quoted string comes back as it was; text after the closing quote
    // is dropped.
    if ((result.isEmpty() || end == s.size()) && !s.isEmpty() &&
        (s.at(0) != quote || s.at(s.size() - 1) != quote))
        return s;
    return result;
}
