#pragma once

#include <QByteArray>
#include <QString>

// Windows code page 1254 (Turkish) at the byte level: stored templates, prepared reports, documents.
// A character with no byte becomes '?'.
QByteArray ToCp1254(const QString& text);
QString FromCp1254(const QByteArray& bytes);
char ToCp1254Char(QChar c);
QChar FromCp1254Char(unsigned char c);
