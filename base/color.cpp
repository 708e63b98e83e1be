#include "base/color.h"

#include <QApplication>
#include <QPalette>

QColor ColorFromTColor(int tcolor)
{
    if (tcolor < 0) {
        // system colours: the palette's roles
        switch (tcolor & 0xFF) {
        case 0x05: return QColor(Qt::white);
        case 0x08: return QColor(Qt::black);
        case 0x0F: return QColor(0xF0, 0xF0, 0xF0);
        default: return QColor(Qt::gray);
        }
    }
    if (tcolor == clNone)
        return QColor(Qt::transparent);
    return QColor(tcolor & 0xFF, (tcolor >> 8) & 0xFF, (tcolor >> 16) & 0xFF);
}

int TColorFromColor(const QColor& color)
{
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}
