// A template stream built into prepared pages, each page drawn as the preview draws it.
#include "fuzz_support.h"

#include "base/stream.h"
#include "report/fr_report.h"

namespace {
// Enough pages to reach page breaks, page footers and the counting pass.
constexpr int kMaxPages = 12;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzStartUp();
    TfrReport report;
    report.ShowProgress = false;
    TMemoryStream in(FuzzBytes(data, size));
    report.LoadFromStream(in);
    report.OnEndPage = [&report](int pageNo) {
        if (pageNo + 1 >= kMaxPages)
            report.Terminated = true;
    };
    report.PrepareReport();
    FuzzDrawPages(report, kMaxPages);
    return 0;
}
