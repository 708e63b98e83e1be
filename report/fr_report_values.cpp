#include "report/fr_report.h"

#include "base/data_set.h"
#include "base/date_time.h"
#include "base/exceptions.h"
#include "base/format_settings.h"
#include "base/numbers.h"
#include "report/fr_band.h"
#include "report/fr_dbrel.h"
#include "report/fr_export_filter.h"
#include "report/fr_functions.h"
#include "report/fr_globals.h"
#include "report/fr_intrp.h"
#include "report/fr_pages.h"
#include "report/fr_pars.h"
#include "report/fr_utils.h"
#include "report/fr_view.h"

#include <algorithm>

namespace {

constexpr int frfmtNumber = 1, frfmtDate = 2, frfmtTime = 3, frfmtBoolean = 4;
constexpr int frfmtCustom = 4;

int FormatWord(int category, int index)
{
    return (category << 24) | (index << 16);
}

// The locale's decimal separator comes back however formatting ends.
class DecimalSeparatorGuard {
public:
    DecimalSeparatorGuard() : saved_(FormatSettings().DecimalSeparator) {}
    ~DecimalSeparatorGuard() { Restore(); }
    void Restore() { FormatSettings().DecimalSeparator = saved_; }
    DecimalSeparatorGuard(const DecimalSeparatorGuard&) = delete;
    DecimalSeparatorGuard& operator=(const DecimalSeparatorGuard&) = delete;

private:
    QChar saved_;
};

bool IsDigit(QChar c)
{
    return c >= '0' && c <= '9';
}

Variant FieldValue(TField* field)
{
    return field->OnGetText ? Variant(field->DisplayText()) : field->Value();
}

// The band that counts "LINE#": the current band, or the first of its chain when it has no data.
const TfrBand* LineBand()
{
    const TfrBand* band = frCurrentBand;
    if (band != nullptr && band->DataSet == nullptr && band->Parent != nullptr && band->BandType < 22 &&
        band->Parent->Bands[band->BandType] != nullptr)
        band = band->Parent->Bands[band->BandType];
    return band;
}

bool SpecialValue(const QString& name, Variant& value)
{
    if (name == QLatin1String("VALUE"))
        value = frCurrentValue;
    else if (name == QLatin1String("PAGE#"))
        value = Variant(frCurrentPageNo + 1);
    else if (name == QLatin1String("DATE"))
        value = Variant::FromDate(frDate);
    else if (name == QLatin1String("TIME"))
        value = Variant::FromDate(frTime);
    else if (name == QLatin1String("LINE#"))
        value = Variant(LineBand() != nullptr ? LineBand()->LocalPosition : 0);
    else if (name == QLatin1String("LINETHROUGH#"))
        value = Variant(LineBand() != nullptr ? LineBand()->GlobalPosition : 0);
    else if (name == QLatin1String("COLUMN#"))
        value = Variant(frCurrentPage != nullptr ? frCurrentPage->ColumnCounter : 0);
    else if (name == QLatin1String("CURRENT#"))
        value = Variant(frCurrentPage != nullptr ? frCurrentPage->RecordCounter : 0);
    else if (name == QLatin1String("TOTALPAGES"))
        value = Variant(frTotalPages);
    else
        return false;
    return true;
}

}  // namespace

void TfrReport::InstallParserHandlers()
{
    frGlobalParser->OnGetValue = [this](const QString& name, Variant& value) { ParserGetValue(name, value); };
    frGlobalParser->OnFunction = [this](const QString& name, const Variant& p1, const Variant& p2,
                                        const Variant& p3, QString& value) { ParserFunction(name, p1, p2, p3, value); };
}

void TfrReport::ParserGetValue(const QString& name, Variant& value)
{
    // Values that refer to one another in a circle would otherwise recurse until the stack ends.
    constexpr int kMaxNesting = 64;
    struct Nesting {
        int& depth;
        explicit Nesting(int& d) : depth(d) { ++depth; }
        ~Nesting() { --depth; }
    } nesting(valueNesting_);
    if (valueNesting_ > kMaxNesting)
        throw EParserError(QStringLiteral("Tanımlanamayan karakter \"%1\"").arg(name));
    value = Variant();
    if (OnGetValue)
        OnGetValue(name, value);
    if (!value.IsEmpty())
        return;

    if (const TfrValue* v = Values.FindVariable(name)) {
        switch (v->Typ) {
        case TfrValue::vtDBField:
            if (v->DSet_ != nullptr) {
                if (!v->DSet_->Active())
                    v->DSet_->Open();
                value = FieldValue(v->DSet_->FieldByName(v->Field));
            }
            break;
        case TfrValue::vtOther:
            if (v->OtherKind == 1)
                value = frGlobalParser->Calc(v->Field);
            else if (v->OtherKind >= 0 && v->OtherKind < 9)
                SpecialValue(QLatin1String(frSpecialNames[v->OtherKind]), value);
            break;
        case TfrValue::vtFRVar:
            value = frGlobalParser->Calc(v->Field);
            break;
        default:
            value = Variant(QString());
        }
        return;
    }

    TDataSet* dataSet = frCurrentBandDataSet();
    TField* field = nullptr;
    frGetDataSetAndField(name, dataSet, field);
    if (field != nullptr) {
        value = FieldValue(field);
        return;
    }
    if (SpecialValue(name, value))
        return;
    if (frGlobalVariables != nullptr && frGlobalVariables->IndexOf(name) >= 0) {
        value = frGlobalVariables->GetVariable(name);
        return;
    }
    // Last, the name is an expression itself; one that comes back to itself is no name at all.
    if (name == selfReference_)
        throw EParserError(QStringLiteral("Tanımlanamayan karakter \"%1\"").arg(name));
    const QString outer = selfReference_;
    selfReference_ = name;
    try {
        value = frGlobalParser->Calc(name);
    } catch (...) {
        selfReference_ = outer;
        throw;
    }
    selfReference_ = outer;
}

void TfrReport::ParserFunction(const QString& name, const Variant& p1, const Variant& p2, const Variant& p3,
                               QString& value)
{
    value = QStringLiteral("0");
    for (const auto& library : frFunctionLibraries) {
        if (library->OnFunction(name, p1, p2, p3, value))
            return;
    }
    // User functions are not called while a band only accumulates its totals.
    if ((frAggregateBand == nullptr || frAggregateBand->Visible) && OnUserFunction)
        OnUserFunction(name, p1, p2, p3, value);
}

void TfrReport::GetVariableValue(const QString& expression, QString& text)
{
    selfReference_.clear();
    const int defaultFormat = 0x200 + (FormatSettings().DecimalSeparator.unicode() & 0xFF);
    int format = frCurrentView != nullptr ? frCurrentView->Format : defaultFormat;
    QString formatStr = frCurrentView != nullptr ? frCurrentView->FormatStr : QString();

    QString expr = expression;
    const int hash = expr.indexOf(QStringLiteral(" #"));
    if (hash >= 0) {
        QString suffix = expr.mid(hash + 2);
        expr.truncate(hash);
        const QChar first = suffix.isEmpty() ? QChar() : suffix[0];
        if (IsDigit(first) || first == 'N' || first == 'n') {
            if (IsDigit(first))
                suffix.prepend('N');
            const bool fixed = suffix.size() > 1 && IsDigit(suffix[1]);
            int index = fixed ? 1 : 0;
            int decimals = 0;
            int separator = 0;
            formatStr = suffix;
            for (int k = suffix.size() - 1; k >= 1; --k) {
                const QChar c = suffix[k];
                if (c == ',' || c == '-' || c == '.') {
                    separator = c.unicode() & 0xFF;
                    formatStr[k] = '.';
                    if (fixed) {
                        int j = k + 1;
                        while (j < suffix.size() && IsDigit(suffix[j]))
                            ++j;
                        decimals = suffix.mid(k + 1, j - k - 1).toInt() & 0xFF;
                    }
                    break;
                }
            }
            if (!fixed) {
                formatStr.remove(0, 1);
                index = frfmtCustom;
            }
            format = FormatWord(frfmtNumber, index) | (decimals << 8) | separator;
        } else if (first == 'D' || first == 'd' || first == 'T' || first == 't') {
            format = FormatWord(frfmtDate, frfmtCustom);
            formatStr = suffix.mid(1);
        } else if (first == 'B' || first == 'b') {
            format = FormatWord(frfmtBoolean, frfmtCustom);
            formatStr = suffix.mid(1);
        }
    }

    frCurrentVariable = expr;
    frCurrentValue = Variant(0);
    ParserGetValue(expr, frCurrentValue);
    FormatValue(frCurrentValue, format, text, formatStr);
}

void TfrReport::FormatValue(const Variant& value, int format, QString& text, const QString& formatStr)
{
    if (value.IsEmpty() || value.IsNull()) {
        text = QStringLiteral(" ");
        return;
    }
    DecimalSeparatorGuard guard;
    const int category = (format >> 24) & 0x0F;
    const int index = (format >> 16) & 0xFF;
    const int decimals = (format >> 8) & 0xFF;
    const int separator = format & 0xFF;
    try {
        switch (category) {
        case 0:
            text = value.AsString();
            break;
        case frfmtNumber: {
            // A word without a separator keeps the locale's rather than printing a zero character.
            if (separator != 0)
                FormatSettings().DecimalSeparator = QChar(static_cast<char16_t>(separator));
            const long double v = value.AsFloat();
            switch (index) {
            case 0:
                text = FormatFloat(QStringLiteral("###.##"), v);
                break;
            case 1:
                text = FloatToStrF(v, ffFixed, 15, decimals);
                break;
            case 2:
                text = FormatFloat(QStringLiteral("#,###.##"), v);
                break;
            case 3:
                text = FloatToStrF(v, ffNumber, 15, decimals);
                break;
            case frfmtCustom:
                text = FormatFloat(formatStr, v);
                break;
            default:
                break;
            }
            break;
        }
        case frfmtDate:
        case frfmtTime: {
            const QStringList& list = category == frfmtDate ? frDateFormats : frTimeFormats;
            if (index < list.size())
                text = FormatDateTime(list[index], value.AsDate());
            else if (index == frfmtCustom)
                text = FormatDateTime(formatStr, value.AsDate());
            break;
        }
        case frfmtBoolean: {
            QString names;
            if (index < frBoolFormats.size())
                names = frBoolFormats[index];
            else if (index == frfmtCustom)
                names = formatStr;
            else
                break;
            // "False;True"; a text without ";" is the True text alone, False shows nothing.
            const int semicolon = names.indexOf(';');
            text = value.AsBoolean() ? names.mid(semicolon + 1) : names.left(std::max(semicolon, 0));
            break;
        }
        default:
            break;
        }
    } catch (const std::exception&) {
        // What cannot be formatted is shown as it is.
        guard.Restore();
        try {
            text = value.AsString();
        } catch (const std::exception&) {
            text.clear();
        }
    }
}

void TfrReport::DoEnterRect(TStringList& memo, TfrView* view)
{
    if (view != nullptr && view->DataSet != nullptr && !view->DataField.isEmpty()) {
        TField* field = view->DataSet->FindField(view->DataField);
        if (frIsBlob(field))
            view->LoadFromBlob(field);
    }
    if (OnEnterRect)
        OnEnterRect(memo, view);
}

bool TfrReport::HasEnterRectHandler() const
{
    return static_cast<bool>(OnEnterRect);
}

void TfrReport::DoExportData(TfrView* view)
{
    if (CurrentFilter != nullptr && view != nullptr)
        CurrentFilter->OnData(view->x, view->y, view);
}

void TfrReport::DoExportText(int x, int y, const QString& text, TfrView* view)
{
    if (CurrentFilter != nullptr)
        CurrentFilter->OnText(x, y, text, view);
}
