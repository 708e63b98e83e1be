// Payroll documents (".tus") as "AÇ" reads them.
#include "fuzz_support.h"

#include "base/exceptions.h"
#include "base/stream.h"
#include "base/string_list.h"
#include "calc/payroll_assets/payroll_document.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzStartUp();
    TStringList lines;
    TMemoryStream in(FuzzBytes(data, size));
    lines.LoadFromStream(in);
    try {
        ParsePayrollDocument(lines.ToQStringList());
    } catch (const Exception&) {
    }
    return 0;
}
