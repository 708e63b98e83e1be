#pragma once

#include <QByteArray>

class QTextDocument;

// Rich text format for text documents: paragraphs with alignment; runs with font, size, bold,
// italic, underline and colour; text in code page 1254 with \'xx, other characters as \uN.

// The whole document, one paragraph per block; the last block gets no \par (an empty one writes
// nothing), so a document whose text ends in a paragraph break reads back the same.
QByteArray WriteRtf(const QTextDocument& document);

// True when the bytes start as RTF does ("{\rtf", leading white space allowed).
bool IsRtf(const QByteArray& bytes);

// Replaces the document's text with the RTF's. Unknown control words and destinations are skipped,
// damage (unbalanced groups, a cut-off end) keeps what was read; never throws for bad content.
// Returns false, leaving the document alone, when the bytes are not RTF.
bool ReadRtf(const QByteArray& rtf, QTextDocument& document);

// Replaces the document's text with what ReadRtf makes of WriteRtf(source), without the bytes in
// between: sizes in half points, colours as red, green and blue, the characters the text form keeps.
// Returns false, leaving the document alone, for a source whose font names that form would change.
bool CopyAsRtf(const QTextDocument& source, QTextDocument& document);
