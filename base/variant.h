#pragma once

#include "base/date_time.h"

#include <QString>

#include <cstdint>
#include <type_traits>
#include <variant>

// The class library's variant value: empty, null, integer, floating, date-time, string, boolean.
// "+" of two strings joins them; otherwise operands are converted to numbers (a string that does not
// read as a number raises EConvertError); "/" always gives a floating value; comparisons compare numbers
// as numbers and two strings as text.
class Variant {
public:
    enum Type { varEmpty, varNull, varInteger, varDouble, varDate, varString, varBoolean };

    Variant() = default;
    static Variant Null();
    Variant(int v);
    Variant(int64_t v);
    // qint64 is long long while int64_t is long here: take it without an ambiguous conversion.
    template <typename T>
        requires(std::is_same_v<T, long long> && !std::is_same_v<long long, int64_t>)
    Variant(T v) : Variant(int64_t(v))
    {
    }
    Variant(double v);
    Variant(long double v);
    Variant(bool v);
    Variant(const QString& v);
    Variant(const char* v);
    static Variant FromDate(TDateTime v);

    Type VarType() const;
    bool IsEmpty() const { return VarType() == varEmpty; }
    bool IsNull() const { return VarType() == varNull; }
    bool IsString() const { return VarType() == varString; }
    bool IsNumeric() const;  // integer, floating, date or boolean

    // Conversions with the class library's rules; EConvertError when impossible.
    QString AsString() const;    // empty/null give ""; numbers as FloatToStr; dates as DateToStr/DateTimeToStr
    long double AsFloat() const;  // empty gives 0; a string read with StrToFloat
    int64_t AsInteger() const;   // floats rounded halves to even
    bool AsBoolean() const;
    TDateTime AsDate() const;

    friend Variant operator+(const Variant& a, const Variant& b);
    friend Variant operator-(const Variant& a, const Variant& b);
    friend Variant operator*(const Variant& a, const Variant& b);
    friend Variant operator/(const Variant& a, const Variant& b);
    friend Variant operator%(const Variant& a, const Variant& b);  // MOD: integer division remainder
    Variant operator-() const;
    // -1, 0, 1; numbers as numbers, two strings as text.
    static int Compare(const Variant& a, const Variant& b);
    friend bool operator==(const Variant& a, const Variant& b) { return Compare(a, b) == 0; }
    friend bool operator<(const Variant& a, const Variant& b) { return Compare(a, b) < 0; }

private:
    struct NullTag {
        bool operator==(const NullTag&) const = default;
    };
    struct DateTag {
        double value;
    };
    std::variant<std::monostate, NullTag, int64_t, long double, DateTag, QString, bool> v_;
};
