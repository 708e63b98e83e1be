#pragma once

#include "report/fr_intrp.h"

// The report's script interpreter: names are variables, properties of the current view (or of a
// view of the current page, "Memo1.Visible"), colour names, or go to the report's value handler;
// function calls go to the report's function handler, except NEWPAGE and NEWCOLUMN, which answer 0.
class TInterpretator : public TfrInterpretator {
public:
    void GetValue(const QString& name, Variant& value) override;
    void SetValue(const QString& name, const Variant& value) override;
    void CallFunction(const QString& name, const Variant& p1, const Variant& p2, const Variant& p3,
                      QString& value) override;
};

// Properties of views that scripts read and write, in table order; 11 and above are memo views' only.
extern const char* const frPropertyNames[16];
// Colour names and their values (blue in the high byte); false for an unknown name.
bool frColorByName(const QString& name, int& color);
