#pragma once

#include <QString>

// The Turkish texts of the class library's own errors, one place for all, so that the same fault
// reads the same wherever it is raised.
namespace ErrorTexts {
QString InvalidFloat(const QString& text);     // '1,2,3' geçerli bir sayı değil
QString InvalidInteger(const QString& text);
QString InvalidDate(const QString& text);
QString InvalidTime(const QString& text);
QString InvalidDateTime(const QString& text);
QString InvalidBoolean(const QString& text);
QString VariantCast(const QString& fromType, const QString& toType);  // a value that has no such form
QString DivByZero();
QString InvalidOp();
QString Overflow();
QString ReadError();   // stream read past the end
QString WriteError();
QString NegativePosition();
QString ListIndex(int index);
QString SortedListOperation();
QString DuplicateString(const QString& text);
QString FileNotFound(const QString& fileName);
QString FileOpen(const QString& fileName);
QString FileCreate(const QString& fileName);
QString FileRead(const QString& fileName);
QString FileWrite(const QString& fileName);
QString FileSeek(const QString& fileName);
}  // namespace ErrorTexts
