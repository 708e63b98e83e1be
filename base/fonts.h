#pragma once

#include <QFont>
#include <QString>

// The original's Windows fonts resolve to faces Debian ships that draw every Turkish letter and have
// a real bold: "Courier New", "Arial", "Times New Roman" to their metric twins of Liberation; "Tahoma"
// to DejaVu Sans Condensed, the nearest in widths (a Tahoma caption of the forms fits where it was
// laid out). A charset suffix such as " Tur" is dropped.
QString ResolveFontFamily(const QString& windowsName);
// A font by name, pixel height (negative: character height as in the original) and style bits
// (1 italic, 2 bold, 4 underline, 8 strike-out).
QFont MakeFont(const QString& name, int heightPixels, int style = 0);
// The forms' font, Tahoma of 8 points on a 96-dpi screen, made the application's font so that every
// window is laid out in the sizes it was designed for, whatever the desktop's settings.
QFont FormFont();
void RegisterApplicationFonts();
