#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <vector>

// Case tables kept as files under tests/data/: one case a line, its fields separated by tabs, so a
// reader sees the input beside what it must give. Blank lines and lines starting with '#' are notes.
struct CaseLine {
    QString where;  // "file:line: text", for the failure message
    QStringList fields;
    const QString& operator[](qsizetype i) const { return fields.at(i); }
};

inline std::vector<CaseLine> ReadCases(const QString& name, qsizetype fieldCount)
{
    std::vector<CaseLine> cases;
    QFile file(QStringLiteral(TAVRELO_TEST_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "no case table " << file.fileName().toStdString();
        return cases;
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.trimmed().isEmpty() || line.startsWith('#'))
            continue;
        CaseLine c{QStringLiteral("%1:%2: %3").arg(name).arg(i + 1).arg(line), line.split('\t')};
        if (c.fields.size() != fieldCount)
            ADD_FAILURE() << c.where.toStdString() << ": " << fieldCount << " fields wanted";
        else
            cases.push_back(std::move(c));
    }
    EXPECT_FALSE(cases.empty()) << name.toStdString();
    return cases;
}
