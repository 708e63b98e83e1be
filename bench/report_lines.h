#pragma once

#include <QString>
#include <QStringList>

// Lines as the late-interest report writes them: fixed-width columns in Courier New.
inline QStringList ReportLines(int count)
{
    QStringList lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("%1  01.%2.2014  31.%2.2014  %3  %4 TL")
                     .arg(i + 1, 6)
                     .arg(i % 12 + 1, 2, 10, QLatin1Char('0'))
                     .arg(QString::number(1.4 + (i % 5) * 0.1, 'f', 2), 8)
                     .arg(QString::number(1234.56 * (i % 97 + 1), 'f', 2), 14);
    return lines;
}
