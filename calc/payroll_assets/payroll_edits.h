#pragma once

#include <QString>

class QLineEdit;

// Enter and exit handling of the payroll's special-deduction, floor and ceiling edits. The settings
// writer runs the exit handlers too, so they are free functions over the edit.

// Edit386, Edit387: yellow while the edit has the focus, white after.
void Edit386Enter(QLineEdit& edit);
void Edit386Exit(QLineEdit& edit);
inline void Edit387Enter(QLineEdit& edit) { Edit386Enter(edit); }
inline void Edit387Exit(QLineEdit& edit) { Edit386Exit(edit); }
// Edit383: as above; entering removes the decimal separators, leaving puts one between groups of
// three characters from the right when the text holds none.
void Edit383Enter(QLineEdit& edit);
void Edit383Exit(QLineEdit& edit);

// The text rules of Edit383.
QString RemoveDecimalSeparators(const QString& text);
QString GroupWithDecimalSeparators(const QString& text);
