// Report scripts: compiled and, when they compile, run by the report's interpreter.
#include "fuzz_support.h"

#include "base/string_list.h"
#include "report/fr_globals.h"
#include "report/fr_interpretator.h"
#include "report/fr_report.h"

#include <exception>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzStartUp();
    static TfrReport* report = [] {
        auto* r = new TfrReport;
        r->Pages.Add();
        // an endless loop is stopped all the same, only sooner
        TfrInterpretator::MaxExecutedLines = 20000;
        return r;
    }();
    frCurrentReport = report;
    report->InstallParserHandlers();
    TStringList source;
    source.SetText(FuzzText(data, size));
    TStringList compiled, errors;
    try {
        frGlobalInterpreter->CompileScript(source, compiled, errors);
        if (errors.Count() == 0)
            frGlobalInterpreter->RunScript(compiled);
    } catch (const std::exception&) {
    }
    frGlobalVariables->Clear();
    return 0;
}
