#pragma once

#include <QString>

// Text helpers with the class library's behaviour. "Ansi" functions follow the Turkish locale's
// rules (i/İ, ı/I); the plain ones fold ASCII letters only, for keywords and names.
QString AnsiUpperCase(const QString& s);
QString AnsiLowerCase(const QString& s);
int AnsiCompareText(const QString& a, const QString& b);
int AnsiCompareStr(const QString& a, const QString& b);
bool AnsiSameText(const QString& a, const QString& b);
QString UpperCase(const QString& s);
QString LowerCase(const QString& s);
int CompareText(const QString& a, const QString& b);
bool SameText(const QString& a, const QString& b);
QString Trim(const QString& s);       // drops control characters and blanks at both ends
QString TrimLeft(const QString& s);
QString TrimRight(const QString& s);
int Pos(const QString& sub, const QString& s);  // 1-based, 0 when absent
QString Copy(const QString& s, int index, int count);  // 1-based, clipped
QString StringOfChar(QChar c, int count);
QString QuotedStr(const QString& s);  // 'it''s'
QString AnsiDequotedStr(const QString& s, QChar quote);
// Reads the quoted text starting at s[pos] (doubled quotes give one) and leaves pos after the
// closing quote; an unclosed quote takes the rest of the text. Empty when s[pos] is no quote.
QString AnsiExtractQuotedStr(const QString& s, qsizetype& pos, QChar quote);
