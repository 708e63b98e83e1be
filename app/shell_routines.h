#pragma once

#include <QRect>
#include <QString>

class QPainter;
class QFont;
class TStringGrid;

// Tolerant number parser: keeps the digits, a "+" or "-" in the first position and every decimal
// separator of the locale, drops the rest and converts; a text that keeps nothing gives 0; a kept
// text that is still no number raises EConvertError.
long double StrToAmount(const QString& text);
// The same without the decimal separator.
long double StrToWholeAmount(const QString& text);

// A design value written in Turkish form ("2731,85", "1.201,50") with the locale's separators, so that it
// reads as the same amount whatever the system locale.
QString LocalizedDesignAmount(const QString& turkishText);

// Blanks before (PadLeft) or after (PadRight) the text up to the width; never cuts.
QString PadLeft(int width, const QString& text);
QString PadRight(int width, const QString& text);
// count characters from the 1-based start (fewer at the end of the text).
QString MidStr(const QString& text, int start, int count);

// A "dd.mm.yyyy" text that is a real date.
bool IsValidDateText(const QString& text);

enum TCellAlignment { taLeftJustify, taRightJustify, taCenter };
// Fills the cell with the painter's brush and draws the text clipped to it, two pixels in from the
// aligned edge and two pixels below the top.
void DrawCellText(const QString& text, const QRect& cell, QPainter& painter, TCellAlignment alignment,
                  const QFont& font);

// Moves row `from` of the grid to position `to`, shifting the rows between.
void MoveGridRow(TStringGrid& grid, int from, int to);
// Deletes a row of the grid, moving the rows below up one.
void DeleteRow(TStringGrid& grid, int row);
