#include "report/fr_strings.h"

#include "report/fr_globals.h"

#include "report_test_support.h"

#include <gtest/gtest.h>

namespace {

TEST(StringTable, TextsTheWindowsAndMessagesUse)
{
    const std::pair<int, const char*> texts[] = {
        {53000, "Find text"}, {53001, "Text to &find"}, {53002, "Options"}, {53003, "&Case sensitive"},
        {53004, "Origin"}, {53005, "&1st page"}, {53006, "Current &page"}, {53020, "&Page width"},
        {53021, "&Whole page"}, {53022, "&Two pages"}, {53023, "Close preview"}, {53024, "Scale"},
        {53025, "Open report"}, {53026, "Save report"}, {53027, "Print report"}, {53028, "Find text"},
        {53029, "Edit page"}, {53030, "Add page"}, {53031, "Delete page"}, {53032, "Show help"},
        {53040, "Print"}, {53041, "Printer"}, {53042, "Properties"}, {53043, "&Copies:"},
        {53044, "Page range"}, {53045, "&All"}, {53046, "Current &page"}, {53047, "&Numbers:"},
        {53048, "Enter page numbers and/or page ranges, separated by commas. For example, 1,3,5-12"},
        {55000, "OK"}, {55001, "Cancel"}, {55004, "Page"}, {55077, "Report title"}, {55088, "Subdetail data"},
        {55098, "None"}, {55170, "0;1"}, {55173, "False;True"}, {55175, "mm.dd.yy"}, {55178, "d mmmm yyyy"},
        {55179, "hh:nn:ss"}, {55182, "h:nn"}, {55199, "from"}, {55200, "An error occured during calculating"},
        {55201, "Report:"}, {55202, "Band:"}, {55203, "Report preparing"}, {55204, "Performing 1st pass:"},
        {55205, "Processing page:"}, {55206, "Error"}, {55207, "Preview"}, {55208, "Printing page:"},
        {55209, "Untitled"}, {55210, "Printer selected is not valid"}, {55211, "Report file"}, {55337, "0"},
        {55345, "Unsupported FRF format"},
        // Paper names, the virtual printer, the sub-report label and the unused list are empty.
        {55007, ""}, {55008, ""}, {55074, ""}, {55110, ""}, {55118, ""}, {55226, ""}, {53007, ""}, {0, ""}};
    for (const auto& [id, text] : texts)
        EXPECT_EQ(frLoadStr(id), QString::fromUtf8(text)) << id;
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

}  // namespace
