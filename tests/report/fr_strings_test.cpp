#include "report/fr_strings.h"

#include "report/fr_globals.h"

#include "golden.h"
#include "report_test_support.h"

#include <gtest/gtest.h>

namespace {

// Every text of the table, id by id, as tests/data/string_table.txt lists it; ids missing there
// (paper names, the virtual printer, the sub-report label, the unused list) are empty.
TEST(StringTable, TextsTheWindowsAndMessagesUse)
{
    QStringList table;
    for (int id = 0; id < 56000; ++id)
        if (!frLoadStr(id).isEmpty())
            table << QString("%1 %2").arg(id).arg(frLoadStr(id));
    ExpectGolden("string_table.txt", table);
}

TEST(StringTable, EngineStartUpLoadsTheNameLists)
{
    frInitEngine();
    EXPECT_EQ(frBandTypeNames.value(0), "Report title");
    EXPECT_EQ(frBandTypeNames.value(17), "Group footer");
    EXPECT_EQ(frBandTypeNames.value(21), "None");
    EXPECT_EQ(frBoolFormats, (QStringList{"0;1", "No;Yes", "_;x", "False;True"}));
    EXPECT_EQ(frTimeFormats, (QStringList{"hh:nn:ss", "h:nn:ss", "hh:nn", "h:nn"}));
}

TEST(StringTable, EngineStartUpLoadsNineTextsTheTableLeavesEmpty)
{
    frInitEngine();
    EXPECT_EQ(frStartUpTexts, QStringList(9, QString()));
}

}  // namespace
