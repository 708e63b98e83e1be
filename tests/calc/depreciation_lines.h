#pragma once

#include "golden.h"

#include <QDate>
#include <QStringList>

#include <ostream>
#include <utility>
#include <vector>

// One schedule as the tab's inputs give it. Its whole report, for the asset "Kamyon", is
// tests/data/depreciation/<name>.txt, checked on the computation and again through the tab's components.
struct ScheduleCase {
    const char* name;
    int method;  // item of the method box, -1 none
    const char* cost;
    const char* life;
    QDate entry;
    QDate sale;
    bool fromCost;
    std::vector<std::pair<int, const char*>> ticks;  // year, rate text
};

inline void PrintTo(const ScheduleCase& c, std::ostream* os)
{
    *os << c.name;
}

const std::vector<ScheduleCase>& ScheduleCases();

inline void ExpectSchedule(const ScheduleCase& c, const QStringList& lines)
{
    ExpectGolden(QString("depreciation/%1.txt").arg(c.name), lines);
}
