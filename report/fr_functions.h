#pragma once

#include "base/string_list.h"
#include "base/variant.h"

#include <QString>

#include <memory>
#include <vector>

// A set of functions for report expressions. Arguments arrive as their source texts; a result is
// expression text (a number as its digits, a text as a quoted literal).
class TfrFunctionLibrary {
public:
    TfrFunctionLibrary();
    virtual ~TfrFunctionLibrary();
    TfrFunctionLibrary(const TfrFunctionLibrary&) = delete;
    TfrFunctionLibrary& operator=(const TfrFunctionLibrary&) = delete;

    // True when the library knows the name (its index in the sorted List is passed on).
    bool OnFunction(const QString& name, const Variant& p1, const Variant& p2, const Variant& p3, QString& value);
    virtual void CallFunction(int fno, const Variant& p1, const Variant& p2, const Variant& p3, QString& value) = 0;

    TStringList List;  // upper-case names, sorted
};

// The thirteen standard functions, among them the aggregates SUM, AVG, MIN, MAX and COUNT.
class TfrStdFunctionLibrary : public TfrFunctionLibrary {
public:
    enum { fnAvg, fnCount, fnFormatDateTime, fnFormatFloat, fnInput, fnLowerCase, fnMax, fnMin, fnNameCase,
           fnStrToDate, fnStrToTime, fnSum, fnUpperCase };

    TfrStdFunctionLibrary();
    void CallFunction(int fno, const Variant& p1, const Variant& p2, const Variant& p3, QString& value) override;
};

// The registered libraries, asked in registration order.
extern std::vector<std::unique_ptr<TfrFunctionLibrary>> frFunctionLibraries;

void frRegisterFunctionLibrary(std::unique_ptr<TfrFunctionLibrary> library);
template <typename Library>
void frRegisterFunctionLibrary()
{
    frRegisterFunctionLibrary(std::make_unique<Library>());
}

// The aggregate functions: over a data set ("Table1.Field", or a data set for COUNT) while the
// aggregating band prints, otherwise accumulated per record into the aggregating band's entries
// and read back when it prints.
void frAggregate(int fno, const QString& name, const Variant& p1, const Variant& p2, const Variant& p3,
                 QString& value);
