#pragma once

class QLineEdit;

// The key filters of the numeric edits.
enum class KeyFilter {
    Edit11KeyPress,   // Backspace, Enter, digits and the locale's decimal separator pass
    Edit379KeyPress,  // as Edit11KeyPress; the other of "," and "." is dropped
    Edit425KeyPress,  // digits, Backspace, Enter, one decimal separator; the integer part is regrouped
};

void InstallKeyFilter(QLineEdit* edit, KeyFilter filter);
