#include "report/fr_glyphs.h"

#include <QPainter>
#include <QPolygon>

namespace {
const QColor kOlive(128, 128, 0);
const QColor kBlack(0, 0, 0);
const QColor kGray(128, 128, 128);
const QColor kSilver(192, 192, 192);
const QColor kWhite(255, 255, 255);
const QColor kNavy(0, 0, 128);
const QColor kYellow(255, 255, 0);
const QColor kMaroon(128, 0, 0);

QImage Blank(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(kOlive);
    return img;
}

// Solid triangle pointing up or down, centred in the image.
QImage Arrow(int w, int h, bool up, int size)
{
    QImage img = Blank(w, h);
    const int cx = w / 2;
    const int top = (h - size) / 2;
    for (int i = 0; i < size; ++i) {
        const int row = up ? top + i : top + size - 1 - i;
        for (int x = cx - i; x <= cx + i; ++x)
            if (x >= 0 && x < w && row >= 0 && row < h)
                img.setPixel(x, row, kBlack.rgb());
    }
    return img;
}

void Magnifier(QPainter& p, int x, int y)
{
    p.setPen(kBlack);
    p.setBrush(kWhite);
    p.drawEllipse(x, y, 7, 7);
    p.setPen(QPen(kBlack, 2));
    p.drawLine(x + 7, y + 7, x + 11, y + 11);
}
}  // namespace

QImage frGlyphImage(TfrGlyph glyph)
{
    switch (glyph) {
    case TfrGlyph::PageUp:
        return Arrow(16, 16, true, 4);
    case TfrGlyph::PageDown:
        return Arrow(16, 16, false, 4);
    case TfrGlyph::SpinUp:
        return Arrow(7, 4, true, 3);
    case TfrGlyph::SpinDown:
        return Arrow(7, 4, false, 3);
    default:
        break;
    }
    QImage img = Blank(glyph == TfrGlyph::PrinterItem ? 18 : 16, 16);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    switch (glyph) {
    case TfrGlyph::Zoom:
        p.setPen(kBlack);
        p.setBrush(kWhite);
        p.drawRect(1, 1, 9, 12);
        Magnifier(p, 4, 3);
        break;
    case TfrGlyph::Open:
        p.setPen(kBlack);
        p.setBrush(kYellow);
        p.drawRect(1, 4, 12, 9);
        p.drawRect(1, 2, 5, 2);
        p.setBrush(QColor(192, 192, 0));
        p.drawPolygon(QPolygon({QPoint(3, 7), QPoint(15, 7), QPoint(13, 13), QPoint(1, 13)}));
        break;
    case TfrGlyph::Save:
        p.setPen(kBlack);
        p.setBrush(kNavy);
        p.drawRect(1, 1, 13, 13);
        p.setBrush(kWhite);
        p.drawRect(3, 1, 9, 6);
        p.setBrush(kSilver);
        p.drawRect(4, 9, 7, 5);
        p.fillRect(5, 10, 2, 3, kNavy);
        break;
    case TfrGlyph::Print:
    case TfrGlyph::PrinterItem:
        p.setPen(kBlack);
        p.setBrush(kWhite);
        p.drawRect(4, 1, 8, 5);
        p.setBrush(kSilver);
        p.drawRect(1, 6, 14, 6);
        p.setBrush(kWhite);
        p.drawRect(4, 10, 8, 5);
        p.fillRect(12, 8, 2, 1, QColor(0, 160, 0));
        break;
    case TfrGlyph::Find:
        Magnifier(p, 1, 1);
        break;
    case TfrGlyph::Preview:
        p.setPen(kBlack);
        p.setBrush(kWhite);
        p.drawRect(1, 0, 10, 13);
        p.setPen(kGray);
        for (int y = 2; y <= 10; y += 2)
            p.drawLine(3, y, 9, y);
        Magnifier(p, 4, 4);
        break;
    case TfrGlyph::Help: {
        p.setPen(kNavy);
        QFont f("Arial");
        f.setPixelSize(14);
        f.setBold(true);
        f.setStyleStrategy(QFont::NoAntialias);
        p.setFont(f);
        p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, "?");
        break;
    }
    case TfrGlyph::Exit:
        p.setPen(kBlack);
        p.setBrush(kMaroon);
        p.drawRect(3, 1, 9, 13);
        p.setPen(kYellow);
        p.drawPoint(10, 8);
        p.setPen(kBlack);
        p.drawLine(0, 14, 15, 14);
        break;
    default:
        break;
    }
    p.end();
    // the bottom-left pixel is the colour that shows through
    img.setPixel(0, img.height() - 1, kOlive.rgb());
    return img;
}

QPixmap frGlyphPixmap(const QImage& glyph, QColor transparent)
{
    QImage out = glyph.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = transparent.rgb() & 0xFFFFFF;
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] & 0xFFFFFF) == key)
                line[x] = 0;
    }
    return QPixmap::fromImage(out);
}
