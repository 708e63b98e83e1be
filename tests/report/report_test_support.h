#pragma once

#include <QString>
#include <QStringList>

#include <ostream>

// Readable QString values in failure messages; control characters of compiled lines as #n.
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"';
    for (QChar c : s) {
        if (c.unicode() < 32)
            *os << '#' << static_cast<int>(c.unicode());
        else
            *os << QString(c).toStdString();
    }
    *os << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* os)
{
    *os << '{';
    for (int i = 0; i < list.size(); ++i) {
        if (i > 0)
            *os << ", ";
        PrintTo(list[i], os);
    }
    *os << '}';
}
