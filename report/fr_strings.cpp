#include "report/fr_strings.h"

#include <QHash>

namespace {

struct Entry {
    int id;
    const char* text;
};

// Ids missing here (paper names, the virtual printer, the sub-report label, 55110..55118) are empty
// on purpose.
constexpr Entry kTable[] = {
    {53000, "Find text"},
    {53001, "Text to &find"},
    {53002, "Options"},
    {53003, "&Case sensitive"},
    {53004, "Origin"},
    {53005, "&1st page"},
    {53006, "Current &page"},
    {53020, "&Page width"},
    {53021, "&Whole page"},
    {53022, "&Two pages"},
    {53023, "Close preview"},
    {53024, "Scale"},
    {53025, "Open report"},
    {53026, "Save report"},
    {53027, "Print report"},
    {53028, "Find text"},
    {53029, "Edit page"},
    {53030, "Add page"},
    {53031, "Delete page"},
    {53032, "Show help"},
    {53040, "Print"},
    {53041, "Printer"},
    {53042, "Properties"},
    {53043, "&Copies:"},
    {53044, "Page range"},
    {53045, "&All"},
    {53046, "Current &page"},
    {53047, "&Numbers:"},
    {53048, "Enter page numbers and/or page ranges, separated by commas. For example, 1,3,5-12"},
    {55000, "OK"},
    {55001, "Cancel"},
    {55004, "Page"},
    {55077, "Report title"},
    {55078, "Report summary"},
    {55079, "Page header"},
    {55080, "Page footer"},
    {55081, "Master header"},
    {55082, "Master data"},
    {55083, "Master footer"},
    {55084, "Detail header"},
    {55085, "Detail data"},
    {55086, "Detail footer"},
    {55087, "Subdetail header"},
    {55088, "Subdetail data"},
    {55089, "Subdetail footer"},
    {55090, "Overlay"},
    {55091, "Column header"},
    {55092, "Column footer"},
    {55093, "Group header"},
    {55094, "Group footer"},
    {55095, "Cross header"},
    {55096, "Cross data"},
    {55097, "Cross footer"},
    {55098, "None"},
    {55170, "0;1"},
    {55171, "No;Yes"},
    {55172, "_;x"},
    {55173, "False;True"},
    {55175, "mm.dd.yy"},
    {55176, "mm.dd.yyyy"},
    {55177, "d mmm yyyy"},
    {55178, "d mmmm yyyy"},
    {55179, "hh:nn:ss"},
    {55180, "h:nn:ss"},
    {55181, "hh:nn"},
    {55182, "h:nn"},
    {55199, "from"},
    {55200, "An error occured during calculating"},
    {55201, "Report:"},
    {55202, "Band:"},
    {55203, "Report preparing"},
    {55204, "Performing 1st pass:"},
    {55205, "Processing page:"},
    {55206, "Error"},
    {55207, "Preview"},
    {55208, "Printing page:"},
    {55209, "Untitled"},
    {55210, "Printer selected is not valid"},
    {55211, "Report file"},
    {55337, "0"},
    {55345, "Unsupported FRF format"},
};

const QHash<int, QString>& Table()
{
    static const QHash<int, QString> table = [] {
        QHash<int, QString> t;
        for (const Entry& e : kTable)
            t.insert(e.id, QString::fromUtf8(e.text));
        return t;
    }();
    return table;
}

}  // namespace

QString frLoadStr(int id)
{
    return Table().value(id);
}
