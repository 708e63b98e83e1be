#pragma once

#include <QString>

#include <cstdint>

// Number formatting and parsing with the class library's behaviour, following FormatSettings().

// Pattern formatting: "#,##0.00", "#,##0", "###.##", "0.00", quoted literals, up to three ";" sections
// (positive;negative;zero). Rounds half away from zero. An empty pattern gives FloatToStr.
QString FormatFloat(const QString& format, long double value);

enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };
QString FloatToStrF(long double value, TFloatFormat format, int precision, int digits);

// Shortest general form with 15 significant digits: 100/3 -> "33,3333333333333" (Turkish).
QString FloatToStr(long double value);
// A run of digits with the thousands separator between each group of three from the right.
QString GroupThousands(const QString& digits);
QString IntToStr(int64_t value);

// Raise EConvertError with the class library's message for texts that are no number.
long double StrToFloat(const QString& text);
bool TryStrToFloat(const QString& text, long double& value);
int StrToInt(const QString& text);
int64_t StrToInt64(const QString& text);
bool TryStrToInt64(const QString& text, int64_t& value);
bool TryStrToInt(const QString& text, int& value);
int StrToIntDef(const QString& text, int defaultValue);

int64_t Round(long double value);  // halves to the even neighbour
int64_t Trunc(long double value);
long double Int(long double value);   // integer part, sign kept
long double Frac(long double value);  // value - Int(value)
