#pragma once

class TForm1;

// Makes the report components of the main window as its form data held them: frReport2 and frReport3
// with their settings, each reading its template from its stored "ReportForm" data, and frRichObject1.
// A template that cannot be read is reported by the engine and leaves that report one empty page.
void CreateReportComponents(TForm1& form);
