#pragma once

#include "base/canvas.h"

#include <QString>

class TfrMemoView;
class TfrReport;
class TfrRichView;
class TRichEdit;

// What the calculators' "YAZDIR" commands do with a report template: reach its views by name, give
// them the font and text of a report pane, and show the report.

// The pane's font as a report font: its face, style and size in points.
TFont RichEditFont(const TRichEdit& pane);
// The named views of a template; a template without them (one that failed to load) raises a clear
// error instead of printing a report with holes.
TfrMemoView& TemplateMemo(TfrReport& report, const QString& name);
TfrRichView& TemplateRichView(TfrReport& report, const QString& name);
// The text as a view's text that prints exactly as it stands, brackets and all, while the template's
// own expressions ("[DATE]", "[PAGE#]") go on working.
QString AsPrintedText(const QString& text);
// The rich view "rich1" takes the pane's font and a copy of its lines, printed as they stand.
void FillRichView(TfrReport& report, const TRichEdit& pane);

// The one print procedure of the report panes: "Memo1" takes the pane's font, "Memo5" the heading,
// "rich1" the pane's text; the report gets the title and is shown in the preview window.
void ShowPaneReport(TfrReport& report, const TRichEdit& pane, const QString& heading, const QString& title);
