#pragma once

class QLineEdit;

// Limits what the user types (keys, paste, drop), not what the program writes: a reformatted amount or
// a computed rate may be longer than what could be typed, and QLineEdit's own maximum length would cut
// it, changing the figure the next run reads.
void SetTypedMaxLength(QLineEdit* edit, int maxLength);
