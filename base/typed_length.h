#pragma once

#include <QString>

#include <functional>

class QLineEdit;

// Limits what the user types (keys, paste, drop), not what the program writes: a reformatted amount or
// a computed rate may be longer than what could be typed, and QLineEdit's own maximum length would cut
// it, changing the figure the next run reads.
void SetTypedMaxLength(QLineEdit* edit, int maxLength);

// One change the user made to an edit's text: by a key, a paste, a drop or an undo.
struct UserEdit {
    QString before;  // the text it stood at
    QString typed;   // the text the change gave
    QString shown;   // the text the edit will show: `typed` as the edit's shaping writes it
    QString Inserted() const;  // what the change brought between the text kept before and after it
};

// Every change the user makes is first shaped (an amount edit regroups its integer part), then judged
// whole by each check given to the edit; one that a check refuses is taken back whole, the edit keeping
// its text and cursor from before. Cutting or filtering such text could turn it into another figure.
using EditCheck = std::function<bool(const UserEdit&)>;
void TakeBackRefusedEdits(QLineEdit* edit, EditCheck accepts);

// The shaping of an edit's user changes: the text and its cursor in, the text and its cursor out.
using EditShape = std::function<QString(const QString& text, int& cursor)>;
void ShapeUserEdits(QLineEdit* edit, EditShape shape);
