// Prepared-report files as the preview window opens them, each page drawn, then saved and read back.
#include "fuzz_support.h"

#include "base/exceptions.h"
#include "base/stream.h"
#include "report/fr_report.h"

namespace {
constexpr int kMaxDrawnPages = 8;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzStartUp();
    TfrReport report;
    TMemoryStream in(FuzzBytes(data, size));
    try {
        report.EMFPages.LoadFromStream(in);
    } catch (const Exception&) {
        return 0;  // refused as damaged: the wanted answer
    }
    FuzzDrawPages(report, kMaxDrawnPages);
    TMemoryStream out;
    report.EMFPages.SaveToStream(out);
    out.SetPosition(0);
    TfrReport again;
    again.EMFPages.LoadFromStream(out);  // what was written must read back
    return 0;
}
