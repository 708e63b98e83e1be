#pragma once

class TForm1;

// Makes the report components of the main window as its form data held them: frReport1 .. frReport5
// and frCompositeReport1 with their settings, each reading its template from its stored "ReportForm"
// data (frReport2 and frReport3 hold the calculators' templates, the others an empty one), and
// frRichObject1. A template that cannot be read is reported by the engine and leaves that report one
// empty page.
void CreateReportComponents(TForm1& form);
