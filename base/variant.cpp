#include "base/variant.h"

#include "base/error_texts.h"
#include "base/exceptions.h"
#include "base/numbers.h"
#include "base/strings.h"

#include <limits>

namespace {

// An operand of arithmetic: integers (booleans as -1 and 0, empty as 0) stay exact; everything else
// is a floating value; dates remember that they are dates.
struct Number {
    bool integer = true;
    bool date = false;
    int64_t i = 0;
    long double f = 0;

    long double Value() const { return integer ? static_cast<long double>(i) : f; }
};

Number ToNumber(const Variant& v)
{
    switch (v.VarType()) {
    case Variant::varEmpty:
        return {};
    case Variant::varInteger:
    case Variant::varBoolean:
        return {true, false, v.AsInteger(), 0};
    case Variant::varDate:
        return {false, true, 0, v.AsFloat()};
    default:
        return {false, false, 0, v.AsFloat()};
    }
}

bool IsTextual(const Variant& v)
{
    return v.IsString() || v.IsEmpty();
}

const char* TypeName(Variant::Type t)
{
    static const char* const names[] = {"Empty", "Null", "Integer", "Double", "Date", "String", "Boolean"};
    return names[t];
}

[[noreturn]] void ThrowNullCast(const char* toType)
{
    throw EConvertError(ErrorTexts::VariantCast(TypeName(Variant::varNull), toType));
}

enum class Op { Add, Subtract, Multiply };

// Integer results stay integers unless they overflow; then the exact floating result is given.
Variant Arithmetic(const Variant& a, const Variant& b, Op op)
{
    if (a.IsNull() || b.IsNull())
        return Variant::Null();
    const Number x = ToNumber(a), y = ToNumber(b);
    if (x.integer && y.integer) {
        int64_t r = 0;
        bool overflow = op == Op::Add        ? __builtin_add_overflow(x.i, y.i, &r)
                        : op == Op::Subtract ? __builtin_sub_overflow(x.i, y.i, &r)
                                             : __builtin_mul_overflow(x.i, y.i, &r);
        if (!overflow)
            return Variant(r);
    }
    const long double p = x.Value(), q = y.Value();
    switch (op) {
    case Op::Add:
        return x.date || y.date ? Variant::FromDate(double(p + q)) : Variant(p + q);
    case Op::Subtract:
        // A date less a number is a date; the distance of two dates is a number of days.
        return x.date && !y.date ? Variant::FromDate(double(p - q)) : Variant(p - q);
    case Op::Multiply:
        break;
    }
    return Variant(p * q);
}

int Sign(int v)
{
    return (v > 0) - (v < 0);
}

}  // namespace

Variant Variant::Null()
{
    Variant v;
    v.v_ = NullTag{};
    return v;
}

Variant::Variant(int v) : v_(int64_t(v)) {}
Variant::Variant(int64_t v) : v_(v) {}
Variant::Variant(double v) : v_(static_cast<long double>(v)) {}
Variant::Variant(long double v) : v_(v) {}
Variant::Variant(bool v) : v_(v) {}
Variant::Variant(const QString& v) : v_(v) {}
Variant::Variant(const char* v) : v_(QString::fromUtf8(v)) {}

Variant Variant::FromDate(TDateTime v)
{
    Variant r;
    r.v_ = DateTag{v};
    return r;
}

Variant::Type Variant::VarType() const
{
    // The alternatives of v_ are declared in the order of Type.
    return Type(v_.index());
}

bool Variant::IsNumeric() const
{
    Type t = VarType();
    return t == varInteger || t == varDouble || t == varDate || t == varBoolean;
}

QString Variant::AsString() const
{
    switch (VarType()) {
    case varInteger:
        return IntToStr(std::get<int64_t>(v_));
    case varDouble:
        return FloatToStr(std::get<long double>(v_));
    case varDate: {
        double d = std::get<DateTag>(v_).value;
        int h, m, s, ms;
        DecodeTime(d, h, m, s, ms);
        return h == 0 && m == 0 && s == 0 && ms == 0 ? DateToStr(d) : DateTimeToStr(d);
    }
    case varString:
        return std::get<QString>(v_);
    case varBoolean:
        return std::get<bool>(v_) ? "True" : "False";
    default:
        return {};
    }
}

long double Variant::AsFloat() const
{
    switch (VarType()) {
    case varNull:
        ThrowNullCast("Double");
    case varInteger:
        return static_cast<long double>(std::get<int64_t>(v_));
    case varDouble:
        return std::get<long double>(v_);
    case varDate:
        return std::get<DateTag>(v_).value;
    case varString:
        return StrToFloat(std::get<QString>(v_));
    case varBoolean:
        return std::get<bool>(v_) ? -1 : 0;
    default:
        return 0;
    }
}

int64_t Variant::AsInteger() const
{
    switch (VarType()) {
    case varNull:
        ThrowNullCast("Integer");
    case varInteger:
        return std::get<int64_t>(v_);
    case varBoolean:
        return std::get<bool>(v_) ? -1 : 0;
    case varString: {
        const QString& s = std::get<QString>(v_);
        int64_t i = 0;
        if (TryStrToInt64(s, i))
            return i;
        long double f = 0;
        if (!TryStrToFloat(s, f))
            throw EConvertError(ErrorTexts::InvalidInteger(s));
        return Round(f);
    }
    case varEmpty:
        return 0;
    default:
        return Round(AsFloat());
    }
}

bool Variant::AsBoolean() const
{
    switch (VarType()) {
    case varNull:
        ThrowNullCast("Boolean");
    case varBoolean:
        return std::get<bool>(v_);
    case varString: {
        const QString& s = std::get<QString>(v_);
        if (SameText(s.trimmed(), "True"))
            return true;
        if (SameText(s.trimmed(), "False"))
            return false;
        long double f = 0;
        if (!TryStrToFloat(s, f))
            throw EConvertError(ErrorTexts::InvalidBoolean(s));
        return f != 0;
    }
    case varEmpty:
        return false;
    default:
        return AsFloat() != 0;
    }
}

TDateTime Variant::AsDate() const
{
    switch (VarType()) {
    case varNull:
        ThrowNullCast("Date");
    case varString:
        return StrToDateTime(std::get<QString>(v_));
    default:
        return double(AsFloat());
    }
}

Variant operator+(const Variant& a, const Variant& b)
{
    if (IsTextual(a) && IsTextual(b) && (a.IsString() || b.IsString()))
        return Variant(a.AsString() + b.AsString());
    return Arithmetic(a, b, Op::Add);
}

Variant operator-(const Variant& a, const Variant& b)
{
    return Arithmetic(a, b, Op::Subtract);
}

Variant operator*(const Variant& a, const Variant& b)
{
    return Arithmetic(a, b, Op::Multiply);
}

Variant operator/(const Variant& a, const Variant& b)
{
    if (a.IsNull() || b.IsNull())
        return Variant::Null();
    const long double p = ToNumber(a).Value(), q = ToNumber(b).Value();
    if (q == 0)
        throw EZeroDivide(ErrorTexts::DivByZero());
    return Variant(p / q);
}

Variant operator%(const Variant& a, const Variant& b)
{
    if (a.IsNull() || b.IsNull())
        return Variant::Null();
    const int64_t p = a.AsInteger(), q = b.AsInteger();
    if (q == 0)
        throw EZeroDivide(ErrorTexts::DivByZero());
    // The smallest integer MOD -1 would overflow the division; its remainder is 0 anyway.
    return Variant(q == -1 ? int64_t(0) : p % q);
}

Variant Variant::operator-() const
{
    switch (VarType()) {
    case varNull:
        return Null();
    case varDate:
        return FromDate(-std::get<DateTag>(v_).value);
    default: {
        const Number n = ToNumber(*this);
        if (n.integer && n.i != std::numeric_limits<int64_t>::min())
            return Variant(-n.i);
        return Variant(-n.Value());
    }
    }
}

int Variant::Compare(const Variant& a, const Variant& b)
{
    // Null sorts before every value and equals only Null.
    if (a.IsNull() || b.IsNull())
        return int(b.IsNull()) - int(a.IsNull());
    if (IsTextual(a) && IsTextual(b))
        return Sign(AnsiCompareStr(a.AsString(), b.AsString()));
    const Number x = ToNumber(a), y = ToNumber(b);
    if (x.integer && y.integer)
        return (x.i > y.i) - (x.i < y.i);
    const long double p = x.Value(), q = y.Value();
    return (p > q) - (p < q);
}
