#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file's contents as one step: the bytes go to a temporary file beside it
// ("<name>.yaz-XXXXXX"), are forced to the disk and the temporary is renamed over the file. Every
// write is checked, so a full disk raises instead of leaving a cut file; on any failure the old file
// stays as it was and the temporary is removed. EInOutError names the file and the reason. A file
// that may not be written is refused as a plain write would refuse it, although the rename could
// replace it.
void WriteFileAtomically(const QString& fileName, const QByteArray& bytes);

// Removes the temporaries that writes of this file stopped by a kill or a power cut left beside it.
void RemoveStaleTemporaries(const QString& fileName);

// The suffix of the temporaries before their six random characters.
inline constexpr const char* kAtomicTemporaryMark = ".yaz-";
