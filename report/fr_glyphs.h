#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>

// The pictures of the engine's buttons, drawn on olive (128, 128, 0), the colour that shows through.
enum class TfrGlyph {
    Zoom,
    Open,
    Save,
    Print,
    Find,
    Help,
    Exit,
    PageUp,     // 16 x 16 buttons under the preview's vertical bar
    PageDown,
    SpinUp,     // the print dialog's copies arrows, 17 x 8
    SpinDown,
    PrinterItem,  // 18 x 16, beside every printer name
    Preview,      // the preview window's icon: a printed sheet under a magnifier
};

QImage frGlyphImage(TfrGlyph glyph);
// The glyph with its ground colour (olive for the engine's own) see-through.
QPixmap frGlyphPixmap(const QImage& glyph, QColor transparent = QColor(128, 128, 0));
