#pragma once

#include <QString>

#include <optional>

// The life and rate edits keep each other in step. Each returns the new text of the other edit, or
// nothing when that edit keeps its text. A text that is no number raises EConvertError.

// Blanks are dropped; empty gives empty; a life above 0 gives 100 / life in the shortest float form.
std::optional<QString> RateTextForLife(const QString& lifeText);
// Blanks are dropped; empty gives empty; a rate above 0 gives 100 / rate rounded half to even.
std::optional<QString> LifeTextForRate(const QString& rateText);
