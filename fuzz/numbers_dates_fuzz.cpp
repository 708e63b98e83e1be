// Amounts, numbers, dates and times as the calculators read typed or pasted text, and display formats
// as templates give them. An amount read is written as the calculators write it and must read back
// as the same figure.
#include "fuzz_support.h"

#include "app/shell_routines.h"
#include "base/date_time.h"
#include "base/exceptions.h"
#include "base/numbers.h"

#include <cmath>

namespace {
template <typename F>
void quietly(F&& f)
{
    try {
        f();
    } catch (const Exception&) {
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzStartUp();
    const QString text = FuzzText(data, size);
    quietly([&] {
        const long double amount = StrToAmount(text);
        const QString written = FormatFloat("#,##0.00", amount);
        const long double again = StrToAmount(written);
        // the format works to 18 significant digits, which leave the cents exact below 10^13
        if (std::isfinite(amount) && std::fabs(static_cast<double>(amount)) < 1e13 &&
            std::fabs(static_cast<double>(again - amount)) > 0.0051L)
            __builtin_trap();
    });
    quietly([&] { StrToWholeAmount(text); });
    long double f = 0;
    if (TryStrToFloat(text, f)) {
        quietly([&] { FloatToStr(f); });
        quietly([&] { FloatToStrF(f, ffFixed, 18, 2); });
    }
    int64_t n = 0;
    TryStrToInt64(text, n);
    TDateTime d = 0;
    if (TryStrToDateTime(text, d))
        quietly([&] { DateTimeToStr(d); });
    TryStrToDate(text, d);
    TryStrToTime(text, d);
    // the text as a display format
    quietly([&] { FormatFloat(text, 1234567.891L); });
    quietly([&] { FormatFloat(text, -0.5L); });
    quietly([&] { FormatDateTime(text, 45000.75); });
    return 0;
}
