#pragma once

#include <QString>

// The report engine's string table: window captions, labels, hints, band and format names and the
// engine's own messages, by their resource ids. An id the table lacks gives the empty text.
QString frLoadStr(int id);

// Ids that code refers to by name.
enum TfrStringId {
    frRes_FindText = 53000,
    frRes_PrintCaption = 53040,
    frRes_OK = 55000,
    frRes_Cancel = 55001,
    frRes_Page = 55004,
    frRes_VirtualPrinter = 55007,
    frRes_FirstPaperName = 55008,
    frRes_FirstBandTypeName = 55077,  // + band type 0..21
    frRes_FirstUnusedName = 55110,    // 55110..55118, empty
    frRes_FirstBoolFormat = 55170,    // 55170..55173
    frRes_FirstDateFormat = 55175,    // 55175..55178
    frRes_FirstTimeFormat = 55179,    // 55179..55182
    frRes_From = 55199,
    frRes_CalcError = 55200,
    frRes_ReportColon = 55201,
    frRes_BandColon = 55202,
    frRes_ReportPreparing = 55203,
    frRes_FirstPass = 55204,
    frRes_ProcessingPage = 55205,
    frRes_Error = 55206,
    frRes_Preview = 55207,
    frRes_PrintingPage = 55208,
    frRes_Untitled = 55209,
    frRes_PrinterNotValid = 55210,
    frRes_ReportFile = 55211,
    frRes_SubReportLabel = 55226,
    frRes_DefaultCharset = 55337,
    frRes_UnsupportedFormat = 55345,
};
