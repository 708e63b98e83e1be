#pragma once

#include <QColor>

// Colours are kept in the original's 0x00BBGGRR form; a few system colour constants are negative.
QColor ColorFromTColor(int tcolor);
int TColorFromColor(const QColor& color);

constexpr int clBlack = 0x000000;
constexpr int clWhite = 0xFFFFFF;
constexpr int clRed = 0x0000FF;
constexpr int clGreen = 0x008000;
constexpr int clBlue = 0xFF0000;
constexpr int clNavy = 0x800000;
constexpr int clMaroon = 0x000080;
constexpr int clYellow = 0x00FFFF;
constexpr int clSilver = 0xC0C0C0;
constexpr int clGray = 0x808080;
constexpr int clMoneyGreen = 0xC0DCC0;
constexpr int clSkyBlue = 0xF0CAA6;
constexpr int clCream = 0xF0FBFF;
constexpr int clNone = 0x1FFFFFFF;
constexpr int clBtnFace = static_cast<int>(0xFF00000F);
constexpr int clWindow = static_cast<int>(0xFF000005);
constexpr int clWindowText = static_cast<int>(0xFF000008);
