// Memo expressions as a report evaluates them while it is built, with the report's value and
// function handlers.
#include "fuzz_support.h"

#include "report/fr_globals.h"
#include "report/fr_pars.h"
#include "report/fr_report.h"

#include <exception>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzStartUp();
    static TfrReport* report = [] {
        auto* r = new TfrReport;
        r->Pages.Add();
        return r;
    }();
    frCurrentReport = report;
    report->InstallParserHandlers();
    try {
        frGlobalParser->Calc(FuzzText(data, size));
    } catch (const std::exception&) {
    }
    return 0;
}
