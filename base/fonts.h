#pragma once

#include <QFont>
#include <QString>

// The original's Windows fonts resolve to metric-compatible ones: "Courier New", "Arial", "Times New
// Roman" through fontconfig to Liberation; "Tahoma" to the Tahoma of fonts-wine, which is registered
// here since fontconfig does not scan its folder. A charset suffix such as " Tur" is dropped.
void RegisterApplicationFonts();
QString ResolveFontFamily(const QString& windowsName);
// A font by name, pixel height (negative: character height as in the original) and style bits
// (1 italic, 2 bold, 4 underline, 8 strike-out).
QFont MakeFont(const QString& name, int heightPixels, int style = 0);
