// The settings archive as the program opens it at start-up and before a save.
#include "fuzz_support.h"

#include "base/exceptions.h"
#include "base/zip_archive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzStartUp();
    try {
        const auto members = TZipArchive::ReadMembersOf(FuzzBytes(data, size), "digeri.byn", "Tvr.Czm-1254/ayar");
        // an archive that reads must take a new member and still read
        TZipArchive::ReadMembersOf(TZipArchive::WithMember(FuzzBytes(data, size), "digeri.byn", "Tvr.Czm-1254/ayar",
                                                           "ucret", "{\\rtf1 1\\par 2}"),
                                   "digeri.byn", "Tvr.Czm-1254/ayar");
    } catch (const EArchiveError&) {
    }
    return 0;
}
