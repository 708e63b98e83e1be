#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

// The revaluation years 1990..2014: each has a tick, a rate edit and a line of the member "repo".
struct RevaluationYear {
    int year;
    const char* rateEdit;
    int repoLine;
};
inline constexpr int FirstRevaluationYear = 1990;
inline constexpr int RevaluationYearCount = 25;
extern const std::array<RevaluationYear, RevaluationYearCount> RevaluationYearTable;

// The items of the method box, in order.
enum class DepreciationMethod { Normal = 0, Accelerated = 1, ProRata = 2 };

struct DepreciationInput {
    QString assetName;
    long double cost = 0;
    long double life = 0;  // years; fractions are allowed by the edit and kept
    int entryYear = 0;
    int entryMonth = 1;
    int saleYear = 0;
    int method = -1;  // a DepreciationMethod, or -1 when nothing is selected
    bool fromInitialCost = false;
    std::array<bool, RevaluationYearCount> ticked{};
    std::array<long double, RevaluationYearCount> rates{};  // percent
};

// One reported year.
struct DepreciationRow {
    int year = 0;
    bool first = false;  // the entry year, whose increments are written "0"
    long double valueBefore = 0;
    long double valueIncrease = 0;
    long double value = 0;
    long double fundIncrease = 0;
    long double accumulatedBefore = 0;
    long double depreciationIncrease = 0;
    long double accumulated = 0;
    long double depreciation = 0;
};

struct DepreciationSchedule {
    std::vector<DepreciationRow> rows;  // empty when there is nothing to compute
    long double fund = 0;
    // The journal and sale entries follow for the last row, except when the asset is sold in its
    // entry year.
    bool closingEntries = false;
};

DepreciationSchedule ComputeDepreciationSchedule(const DepreciationInput& input);

// Heading, year rows and closing block, every line as the report pane shows it.
QStringList DepreciationScheduleLines(const DepreciationInput& input);
