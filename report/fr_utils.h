#pragma once

#include <QFlags>
#include <QString>

#include <cstdint>

class QFont;
class QObject;
class QPoint;
class QWidget;
class TDataSet;
class TField;
class TStream;
class TStringList;

// Version of the template stream being read or written: 23 selects the length-prefixed string and
// memo forms, 21 and 22 the old terminated ones (the versioned readers of the views choose).
extern uint8_t frTemplateVersion;

// Length-prefixed forms: a string is a 16-bit length, the characters (code page 1254) and a 0 byte;
// a memo is a 16-bit line count, then per line a 16-bit length and the characters, each line
// followed by 13, the last by 0 (an empty memo is the count 0 and a 0 byte). Readers raise
// EReadError on a stream that ends early; writers raise EStreamError for a text or a list longer
// than the 16-bit fields can hold.
void frWriteString(TStream& stream, const QString& s);
QString frReadString(TStream& stream);
void frWriteMemo(TStream& stream, const TStringList& lines);
void frReadMemo(TStream& stream, TStringList& lines);
// The old forms, read only: a string runs to a 0 byte; a memo's lines end with 13 and the list with 0.
QString frReadString22(TStream& stream);
void frReadMemo22(TStream& stream, TStringList& lines);

enum TFontStyle { fsBold = 0x1, fsItalic = 0x2, fsUnderline = 0x4, fsStrikeOut = 0x8 };
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(TFontStyles)

// Style bits of the streams: 1 italic, 2 bold, 4 underline; strike-out is not stored.
TFontStyles frSetFontStyle(int value);
int frGetFontStyle(TFontStyles style);
TFontStyles frFontStyles(const QFont& font);
void frApplyFontStyles(QFont& font, TFontStyles style);

// Drops one pair of enclosing double quotes.
void frRemoveQuotes(QString& s);

// "Form.Component" names a component of a global form, a plain name one of Owner's. Any failure of
// the lookup raises EClassNotFound "Отсутствует " + name.
QObject* frFindComponentIn(QObject* owner, const QString& name);
// The same with the owner of the current report.
QObject* frFindComponent(const QString& name);
// "Field" (in the given data set), "DataSet.Field" (a data set of the current report's owner) or
// "Form.DataSet.Field". Field is nullptr when anything is missing; a component that is no data set
// counts as missing.
void frGetDataSetAndField(const QString& text, TDataSet*& dataSet, TField*& field);

// The deepest visible control under P (Parent's client coordinates), or nullptr. A container whose
// children all miss P does not answer itself: the walk goes on with the controls below it.
QWidget* frControlAtPos(QWidget* parent, const QPoint& p);

// Identifier case folding: ASCII letters and the four Turkish i's fold alike, so that keywords,
// function, property and variable names match under any locale; texts keep the locale's rules.
QString frUpperName(const QString& s);
bool frSameName(const QString& a, const QString& b);
int frCompareNames(const QString& a, const QString& b);
