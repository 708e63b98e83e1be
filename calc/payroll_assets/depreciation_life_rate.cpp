#include "calc/payroll_assets/depreciation_life_rate.h"

#include "base/numbers.h"

namespace {
// A plain float, not an amount: these edits take no thousands separators.
template <typename F>
std::optional<QString> LinkedText(QString text, F fromPositive)
{
    text.remove(' ');
    if (text.isEmpty())
        return QString();
    const long double value = StrToFloat(text);
    if (value > 0)
        return fromPositive(value);
    return std::nullopt;
}
}  // namespace

std::optional<QString> RateTextForLife(const QString& lifeText)
{
    return LinkedText(lifeText, [](long double years) { return FloatToStr(100 / years); });
}

std::optional<QString> LifeTextForRate(const QString& rateText)
{
    return LinkedText(rateText, [](long double rate) { return IntToStr(Round(100 / rate)); });
}
