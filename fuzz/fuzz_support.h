#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

class ScriptedDialogService;
class TfrReport;

// What every reader needs once per process: an offscreen application with the program's fonts, the
// Turkish settings, the report engine with its rich-text add-in, and dialogs that answer without a
// window. Returns the dialog record, cleared for the next input, so that it does not grow.
ScriptedDialogService& FuzzStartUp();

inline QByteArray FuzzBytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// The input as the text the program would have read from a file in code page 1254.
QString FuzzText(const uint8_t* data, size_t size);

// Draws the first prepared pages of the report as the preview does, and frees their views again.
void FuzzDrawPages(TfrReport& report, int maxPages);
