#include "base/numbers.h"

#include "base/error_texts.h"
#include "base/exceptions.h"
#include "base/format_settings.h"

#include <QStringList>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

// A value as significant decimal digits: value = 0.digits * 10^exponent. No leading or trailing
// zeros in digits; an empty digits string is zero.
struct Decimal {
    bool negative = false;
    bool nan = false;
    bool infinite = false;
    std::string digits;
    int exponent = 0;

    bool IsZero() const { return !nan && !infinite && digits.empty(); }
};

constexpr int kMaxPrecision = 18;
constexpr int kAnyDecimals = 9999;

// The class library turned an extended value into 18 significant decimal digits first and rounded
// those, half away from zero, to the digits asked for; we do the same from an exact conversion of
// the long double. So 1234.565L, stored as 1234.564999999999999947, reads 1234.56500000000000 and
// rounds up to 1234.57, and -0.005L gives -0.01; the double 1.005 (1.00499999999999989) stays 1.00.
Decimal ToDecimal(long double value, int precision, int decimals)
{
    Decimal d;
    if (std::isnan(value)) {
        d.nan = true;
        return d;
    }
    d.negative = std::signbit(value);
    if (std::isinf(value)) {
        d.infinite = true;
        return d;
    }
    if (value == 0) {
        d.negative = false;
        return d;
    }
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*Le", kMaxPrecision - 1, std::fabs(value));
    std::string all;
    const char* p = buf;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            all += *p;
    d.exponent = (*p == 'e' ? std::atoi(p + 1) : 0) + 1;

    precision = std::clamp(precision, 1, kMaxPrecision);
    int keep = std::min(precision, d.exponent + std::min(decimals, kAnyDecimals));
    if (keep < 0) {
        d.negative = false;
        d.exponent = 0;
        return d;
    }
    bool roundUp = keep < int(all.size()) && all[keep] >= '5';
    all.resize(keep);
    if (roundUp) {
        int i = keep - 1;
        while (i >= 0 && all[i] == '9')
            all[i--] = '0';
        if (i < 0) {
            all.insert(all.begin(), '1');
            ++d.exponent;
        } else {
            ++all[i];
        }
    }
    while (!all.empty() && all.back() == '0')
        all.pop_back();
    d.digits = all;
    if (d.digits.empty()) {
        // A value that rounds to zero is written without a minus sign ("-0,00" is no amount).
        d.negative = false;
        d.exponent = 0;
    }
    return d;
}

QString SpecialText(const Decimal& d)
{
    if (d.nan)
        return "NAN";
    return d.negative ? "-INF" : "INF";
}

// Digits of the integer part ("" for values below one) and of the fraction.
std::string IntegerDigits(const Decimal& d)
{
    if (d.exponent <= 0)
        return {};
    std::string s = d.digits.substr(0, std::min<size_t>(d.exponent, d.digits.size()));
    s.resize(d.exponent, '0');
    return s;
}

std::string FractionDigits(const Decimal& d)
{
    if (d.exponent >= 0)
        return d.exponent < int(d.digits.size()) ? d.digits.substr(d.exponent) : std::string();
    return std::string(-d.exponent, '0') + d.digits;
}

QString ExponentText(int exponent, bool alwaysSign, int minDigits)
{
    QString s = exponent < 0 ? "-" : (alwaysSign ? "+" : "");
    return s + QString::number(std::abs(exponent)).rightJustified(minDigits, '0');
}

QString GeneralText(long double value, int precision, int digits)
{
    Decimal d = ToDecimal(value, precision, kAnyDecimals);
    if (d.nan || d.infinite)
        return SpecialText(d);
    if (d.IsZero())
        return "0";
    QString out = d.negative ? "-" : "";
    const QChar sep = FormatSettings().DecimalSeparator;
    if (d.exponent > std::clamp(precision, 1, kMaxPrecision) || d.exponent < -3) {
        out += QChar(d.digits[0]);
        if (d.digits.size() > 1)
            out += sep + QString::fromStdString(d.digits.substr(1));
        return out + "E" + ExponentText(d.exponent - 1, false, digits);
    }
    std::string whole = IntegerDigits(d);
    std::string fraction = FractionDigits(d);
    out += whole.empty() ? QString("0") : QString::fromStdString(whole);
    if (!fraction.empty())
        out += sep + QString::fromStdString(fraction);
    return out;
}

QString ExponentFormText(long double value, int precision, int digits)
{
    precision = std::clamp(precision, 1, kMaxPrecision);
    Decimal d = ToDecimal(value, precision, kAnyDecimals);
    if (d.nan || d.infinite)
        return SpecialText(d);
    std::string mantissa = d.digits;
    mantissa.resize(precision, '0');
    QString out = d.negative ? "-" : "";
    out += QChar(mantissa[0]);
    if (precision > 1)
        out += FormatSettings().DecimalSeparator + QString::fromStdString(mantissa.substr(1));
    return out + "E" + ExponentText(d.IsZero() ? 0 : d.exponent - 1, true, std::clamp(digits, 0, 4));
}

// Positive and negative currency layouts; "$" is the currency text, "1" the number.
QString CurrencyText(const QString& number, bool negative)
{
    static const char* const positive[] = {"$1", "1$", "$ 1", "1 $"};
    static const char* const negativeForms[] = {"($1)", "-$1",  "$-1",  "$1-",  "(1$)",  "-1$",
                                                "1-$",  "1$-",  "-1 $", "-$ 1", "1 $-",  "$ 1-",
                                                "$ -1", "1- $", "($ 1)", "(1 $)"};
    const TFormatSettings& fs = FormatSettings();
    QString layout = negative ? negativeForms[std::clamp(fs.NegCurrFormat, 0, 15)]
                              : positive[std::clamp(fs.CurrencyFormat, 0, 3)];
    QString out;
    for (QChar c : layout) {
        if (c == '$')
            out += fs.CurrencyString;
        else if (c == '1')
            out += number;
        else
            out += c;
    }
    return out;
}

QString FixedText(long double value, TFloatFormat format, int precision, int digits)
{
    precision = std::clamp(precision, 1, kMaxPrecision);
    digits = std::clamp(digits, 0, kMaxPrecision);
    Decimal d = ToDecimal(value, precision, digits);
    if (d.nan || d.infinite)
        return SpecialText(d);
    if (d.exponent > precision)
        return GeneralText(value, precision, 0);
    const std::string whole = d.exponent > 0 ? IntegerDigits(d) : std::string(1, '0');
    std::string fraction = FractionDigits(d);
    fraction.resize(digits, '0');
    QString number = QString::fromStdString(whole);
    if (format != ffFixed)
        number = GroupThousands(number);
    if (digits > 0)
        number += FormatSettings().DecimalSeparator + QString::fromStdString(fraction);
    if (format == ffCurrency)
        return CurrencyText(number, d.negative);
    return d.negative ? "-" + number : number;
}

// One ";" section of a FormatFloat pattern, scanned the way the class library did.
struct PatternSection {
    QString text;
    int digitCount = 0;    // digit placeholders outside the exponent
    int decimalIndex = 0;  // placeholders before the decimal point
    int firstZero = 0;     // index of the first "0" placeholder (digitCount when none)
    int lastZero = 0;      // index after the last "0" placeholder
    bool thousands = false;
    bool scientific = false;

    explicit PatternSection(const QString& section) : text(section)
    {
        int decimal = -1;
        firstZero = std::numeric_limits<int>::max();
        for (int i = 0; i < text.size(); ++i) {
            QChar c = text[i];
            if (c == '"' || c == '\'') {
                int close = text.indexOf(c, i + 1);
                i = close < 0 ? int(text.size()) : close;
            } else if (c == '#') {
                ++digitCount;
            } else if (c == '0') {
                firstZero = std::min(firstZero, digitCount);
                lastZero = ++digitCount;
            } else if (c == '.') {
                if (decimal < 0)
                    decimal = digitCount;
            } else if (c == ',') {
                thousands = true;
            } else if ((c == 'E' || c == 'e') && i + 1 < text.size() &&
                       (text[i + 1] == '+' || text[i + 1] == '-')) {
                scientific = true;
                for (i += 2; i < text.size() && text[i] == '0';)
                    ++i;
                --i;
            }
        }
        decimalIndex = decimal < 0 ? digitCount : decimal;
        firstZero = std::min(firstZero, digitCount);
    }
};

QString ApplySection(const PatternSection& sec, long double value, bool withMinus)
{
    const TFormatSettings& fs = FormatSettings();
    Decimal d;
    std::string whole, fraction;
    int exponent10 = 0;
    if (sec.scientific) {
        d = ToDecimal(value, std::max(sec.digitCount, 1), kAnyDecimals);
        whole = d.digits.substr(0, std::min<size_t>(sec.decimalIndex, d.digits.size()));
        whole.resize(sec.decimalIndex, '0');
        if (int(d.digits.size()) > sec.decimalIndex)
            fraction = d.digits.substr(sec.decimalIndex);
        exponent10 = d.IsZero() ? 0 : d.exponent - sec.decimalIndex;
    } else {
        d = ToDecimal(value, kMaxPrecision, sec.digitCount - sec.decimalIndex);
        whole = IntegerDigits(d);
        fraction = FractionDigits(d);
        int minWhole = sec.decimalIndex - sec.firstZero;
        if (int(whole.size()) < minWhole)
            whole.insert(0, minWhole - whole.size(), '0');
    }
    if (int(fraction.size()) < sec.lastZero - sec.decimalIndex)
        fraction.resize(sec.lastZero - sec.decimalIndex, '0');

    QString out = withMinus && d.negative && !d.IsZero() ? "-" : "";
    const int n = int(whole.size());
    bool wholeWritten = false;
    bool pointWritten = false;
    int written = 0;  // digits of whole already written
    auto putWholeDigits = [&](int end) {
        for (; written < end; ++written) {
            if (sec.thousands && written > 0 && (n - written) % 3 == 0)
                out += fs.ThousandSeparator;
            out += QChar(whole[written]);
        }
        wholeWritten = true;
    };
    int placeholder = 0;
    const QString& t = sec.text;
    for (int i = 0; i < t.size(); ++i) {
        QChar c = t[i];
        if (c == '"' || c == '\'') {
            int close = t.indexOf(c, i + 1);
            if (close < 0)
                close = int(t.size());
            out += t.mid(i + 1, close - i - 1);
            i = close;
        } else if (c == '#' || c == '0') {
            if (placeholder < sec.decimalIndex) {
                // The last placeholder of the integer part takes the last digit; the first takes
                // every digit that has no placeholder of its own.
                putWholeDigits(std::max(0, n - (sec.decimalIndex - placeholder) + 1));
            } else {
                if (!wholeWritten)
                    putWholeDigits(n);
                int j = placeholder - sec.decimalIndex;
                if (j < int(fraction.size()))
                    out += QChar(fraction[j]);
            }
            ++placeholder;
        } else if (c == '.') {
            if (!wholeWritten)
                putWholeDigits(n);
            if (!pointWritten && !fraction.empty())
                out += fs.DecimalSeparator;
            pointWritten = true;
        } else if (c == ',') {
        } else if (sec.scientific && (c == 'E' || c == 'e') && i + 1 < t.size() &&
                   (t[i + 1] == '+' || t[i + 1] == '-')) {
            if (!wholeWritten)
                putWholeDigits(n);
            int zeros = 0;
            int k = i + 2;
            for (; k < t.size() && t[k] == '0'; ++k)
                ++zeros;
            out += c + ExponentText(exponent10, t[i + 1] == '+', std::min(zeros, 4));
            i = k - 1;
        } else {
            out += c;
        }
    }
    if (!wholeWritten && sec.digitCount > 0)
        putWholeDigits(n);
    return out;
}

QStringList SplitSections(const QString& format)
{
    QStringList sections;
    QString current;
    QChar quote;
    for (QChar c : format) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == ';') {
            sections << current;
            current.clear();
            if (sections.size() == 3)
                return sections;
            continue;
        }
        current += c;
    }
    sections << current;
    return sections;
}

locale_t CLocale()
{
    static locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return c;
}

bool ParseFloat(const QString& text, long double& value)
{
    const int n = int(text.size());
    int i = 0;
    while (i < n && text[i] == ' ')
        ++i;
    std::string s;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        s += char(text[i++].unicode());
    int digits = 0;
    auto readDigits = [&] {
        int count = 0;
        for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i, ++count)
            s += char(text[i].unicode());
        return count;
    };
    digits += readDigits();
    if (i < n && text[i] == FormatSettings().DecimalSeparator) {
        s += '.';
        ++i;
        digits += readDigits();
    }
    if (digits == 0)
        return false;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        s += 'e';
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            s += char(text[i++].unicode());
        if (readDigits() == 0)
            return false;
    }
    while (i < n && text[i] == ' ')
        ++i;
    if (i != n)
        return false;
    long double v = strtold_l(s.c_str(), nullptr, CLocale());
    if (!std::isfinite(v))
        return false;
    value = v;
    return true;
}

bool ParseInt64(const QString& text, int64_t& value)
{
    const int n = int(text.size());
    int i = 0;
    while (i < n && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i == n)
        return false;
    // Accumulate negatively so that the smallest int64 reads too.
    int64_t v = 0;
    for (; i < n; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        int digit = text[i].unicode() - '0';
        if (__builtin_mul_overflow(v, 10, &v) || __builtin_sub_overflow(v, digit, &v))
            return false;
    }
    if (!negative && v == std::numeric_limits<int64_t>::min())
        return false;
    value = negative ? v : -v;
    return true;
}

[[noreturn]] void ThrowNotInteger(const QString& text)
{
    throw EConvertError(ErrorTexts::InvalidInteger(text));
}

void CheckRange(long double value)
{
    if (!(value >= -9223372036854775808.0L && value < 9223372036854775808.0L))
        throw EMathError(ErrorTexts::InvalidOp());
}

}  // namespace

QString FormatFloat(const QString& format, long double value)
{
    QStringList sections = SplitSections(format);
    int index = value > 0 ? 0 : value < 0 ? 1 : 2;
    auto usable = [&](int i) { return i < sections.size() && !sections[i].isEmpty(); };
    if (!usable(index))
        index = 0;
    if (sections[index].isEmpty())
        return FloatToStr(value);
    if (std::isnan(value) || std::isinf(value) || std::fabs(value) >= 1e18L)
        return GeneralText(value, 15, 0);

    PatternSection sec(sections[index]);
    // Only the positive section writes the minus sign; a negative section has its own.
    QString text = ApplySection(sec, index == 1 ? std::fabs(value) : value, index == 0);
    if (index != 2 && usable(2)) {
        int decimals = sec.scientific ? kAnyDecimals : sec.digitCount - sec.decimalIndex;
        int precision = sec.scientific ? std::max(sec.digitCount, 1) : kMaxPrecision;
        if (ToDecimal(value, precision, decimals).IsZero())
            return ApplySection(PatternSection(sections[2]), 0, false);
    }
    return text;
}

QString FloatToStrF(long double value, TFloatFormat format, int precision, int digits)
{
    switch (format) {
    case ffGeneral:
        return GeneralText(value, precision, std::clamp(digits, 0, 4));
    case ffExponent:
        return ExponentFormText(value, precision, digits);
    case ffFixed:
    case ffNumber:
    case ffCurrency:
        return FixedText(value, format, precision, digits);
    }
    return GeneralText(value, precision, 0);
}

QString GroupThousands(const QString& digits)
{
    QString out;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += FormatSettings().ThousandSeparator;
        out += digits[i];
    }
    return out;
}

QString FloatToStr(long double value)
{
    return GeneralText(value, 15, 0);
}

QString IntToStr(int64_t value)
{
    return QString::number(value);
}

long double StrToFloat(const QString& text)
{
    long double v = 0;
    if (!ParseFloat(text, v))
        throw EConvertError(ErrorTexts::InvalidFloat(text));
    return v;
}

bool TryStrToFloat(const QString& text, long double& value)
{
    return ParseFloat(text, value);
}

int StrToInt(const QString& text)
{
    int v = 0;
    if (!TryStrToInt(text, v))
        ThrowNotInteger(text);
    return v;
}

int64_t StrToInt64(const QString& text)
{
    int64_t v = 0;
    if (!ParseInt64(text, v))
        ThrowNotInteger(text);
    return v;
}

bool TryStrToInt64(const QString& text, int64_t& value)
{
    return ParseInt64(text, value);
}

bool TryStrToInt(const QString& text, int& value)
{
    int64_t v = 0;
    if (!ParseInt64(text, v) || v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
        return false;
    value = int(v);
    return true;
}

int StrToIntDef(const QString& text, int defaultValue)
{
    int v = 0;
    return TryStrToInt(text, v) ? v : defaultValue;
}

int64_t Round(long double value)
{
    // nearbyint rounds in the default mode, to nearest with halves to the even neighbour.
    long double r = std::nearbyint(value);
    CheckRange(r);
    return int64_t(r);
}

int64_t Trunc(long double value)
{
    long double r = std::trunc(value);
    CheckRange(r);
    return int64_t(r);
}

long double Int(long double value)
{
    return std::trunc(value);
}

long double Frac(long double value)
{
    return value - std::trunc(value);
}
