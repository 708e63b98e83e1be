// Template streams as the form data or a template file holds them: read, written again and read back.
#include "fuzz_support.h"

#include "base/stream.h"
#include "report/fr_report.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzStartUp();
    TfrReport report;
    TMemoryStream in(FuzzBytes(data, size));
    report.LoadFromStream(in);
    TMemoryStream out;
    report.SaveToStream(out);
    out.SetPosition(0);
    TfrReport again;
    again.LoadFromStream(out);
    return 0;
}
