#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Whole expected outputs kept as files under tests/data/, compared whole. Run the tests with
// TAVRELO_REWRITE_GOLDEN=1 to write the files from what the code gives now; the diff is then the review.
void ExpectGolden(const QString& name, const QStringList& lines);     // one line of the file per entry
void ExpectGoldenBytes(const QString& name, const QByteArray& bytes); // a hex dump, 16 bytes a line
