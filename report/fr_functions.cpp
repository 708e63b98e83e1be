#include "report/fr_functions.h"

#include "base/date_time.h"
#include "base/dialogs.h"
#include "base/numbers.h"
#include "base/strings.h"
#include "report/fr_globals.h"
#include "report/fr_pars.h"
#include "report/fr_utils.h"

std::vector<std::unique_ptr<TfrFunctionLibrary>> frFunctionLibraries;

void frRegisterFunctionLibrary(std::unique_ptr<TfrFunctionLibrary> library)
{
    frFunctionLibraries.push_back(std::move(library));
}

TfrFunctionLibrary::TfrFunctionLibrary()
{
    List.SetSorted(true);
}

TfrFunctionLibrary::~TfrFunctionLibrary() = default;

bool TfrFunctionLibrary::OnFunction(const QString& name, const Variant& p1, const Variant& p2, const Variant& p3,
                                    QString& value)
{
    // Names fold as ASCII: under the Turkish rules "min" would upper-case to "MİN" and miss "MIN".
    for (int i = 0; i < List.Count(); ++i) {
        if (frSameName(List[i], name)) {
            CallFunction(i, p1, p2, p3, value);
            return true;
        }
    }
    return false;
}

TfrStdFunctionLibrary::TfrStdFunctionLibrary()
{
    for (const char* name : {"AVG", "COUNT", "FORMATDATETIME", "FORMATFLOAT", "INPUT", "LOWERCASE", "MAX", "MIN",
                             "NAMECASE", "STRTODATE", "STRTOTIME", "SUM", "UPPERCASE"})
        List.Add(QString::fromLatin1(name));
}

namespace {

Variant Calc(const Variant& source)
{
    return frGlobalParser->Calc(source.AsString());
}

QString CalcText(const Variant& source)
{
    return Calc(source).AsString();
}

QString Quoted(const QString& text)
{
    return '\'' + text + '\'';
}

}  // namespace

void TfrStdFunctionLibrary::CallFunction(int fno, const Variant& p1, const Variant& p2, const Variant& p3,
                                         QString& value)
{
    value = QStringLiteral("0");
    switch (fno) {
    case fnAvg:
    case fnCount:
    case fnMax:
    case fnMin:
    case fnSum:
        frAggregate(fno, List[fno], p1, p2, p3, value);
        break;
    case fnFormatDateTime:
        value = Quoted(FormatDateTime(CalcText(p1), static_cast<TDateTime>(Calc(p2).AsFloat())));
        break;
    case fnFormatFloat:
        value = Quoted(FormatFloat(CalcText(p1), Calc(p2).AsFloat()));
        break;
    case fnInput: {
        QString text = CalcText(p2);
        const QString entered = text;
        if (!Dialogs().InputQuery(QString(), CalcText(p1), text))
            text = entered;
        value = Quoted(text);
        break;
    }
    case fnLowerCase:
        value = Quoted(AnsiLowerCase(CalcText(p1)));
        break;
    case fnUpperCase:
        value = Quoted(AnsiUpperCase(CalcText(p1)));
        break;
    case fnNameCase: {
        const QString text = AnsiLowerCase(CalcText(p1));
        value = Quoted(text.isEmpty() ? text : AnsiUpperCase(text.left(1)) + text.mid(1));
        break;
    }
    case fnStrToDate:
        value = (Variant(QStringLiteral("%d'")) + Calc(p1) + Variant(QStringLiteral("'"))).AsString();
        break;
    case fnStrToTime:
        value = (Variant(QStringLiteral("%t'")) + Calc(p1) + Variant(QStringLiteral("'"))).AsString();
        break;
    default:
        break;
    }
}
