// Rich text as the settings members, help topics and the rich view read it; what is read is written
// and must read back.
#include "fuzz_support.h"

#include "base/rtf.h"

#include <QTextDocument>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzStartUp();
    QTextDocument document;
    if (!ReadRtf(FuzzBytes(data, size), document))
        return 0;
    QTextDocument again;
    if (!ReadRtf(WriteRtf(document), again))
        __builtin_trap();
    return 0;
}
