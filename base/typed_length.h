#pragma once

#include <QString>

#include <functional>

class QLineEdit;

// Limits what the user types (keys, paste, drop), not what the program writes: a reformatted amount or
// a computed rate may be longer than what could be typed, and QLineEdit's own maximum length would cut
// it, changing the figure the next run reads.
void SetTypedMaxLength(QLineEdit* edit, int maxLength);

// An edit (a paste or a drop, which come as no keys) that `accepts` refuses, given the text before
// and after it, is taken back whole: the edit keeps its text from before. Cutting or filtering such
// text could turn it into another figure.
using EditCheck = std::function<bool(const QString& before, const QString& after)>;
void TakeBackRefusedEdits(QLineEdit* edit, EditCheck accepts);
