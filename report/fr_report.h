#pragma once

#include "base/string_list.h"
#include "base/variant.h"
#include "report/fr_emf_pages.h"
#include "report/fr_pages.h"
#include "report/fr_report_types.h"
#include "report/fr_values.h"

#include <QObject>
#include <QPointer>
#include <QString>

class TfrDataset;
class TfrExportFilter;
class TfrPreview;
class TStream;

// Lets waiting events through while the progress window runs, so that its Cancel is seen; nothing
// otherwise, so that no other command starts while a report is built.
void frProcessMessages();

// The report component.
class TfrReport : public QObject {
    Q_OBJECT
public:
    explicit TfrReport(QObject* owner = nullptr);
    ~TfrReport() override;

    QString Title;

    // Settings, in the order the form data holds them.
    QPointer<TfrDataset> Dataset;
    bool GrayedButtons = false;
    TfrPreviewZoom InitialZoom = pzDefault;
    bool ModalPreview = true;
    bool ModifyPrepared = true;
    QPointer<TfrPreview> Preview;
    TfrPreviewButtons PreviewButtons = frAllPreviewButtons;
    TfrReportType ReportType = rtSimple;
    bool ShowProgress = true;
    bool StoreInDFM = false;

    TfrNotifyEvent OnBeginDoc;
    TfrNotifyEvent OnEndDoc;
    TfrPageEvent OnBeginPage;
    TfrPageEvent OnEndPage;
    TfrBandEvent OnBeginBand;
    TfrBandEvent OnEndBand;
    TfrGetValueEvent OnGetValue;
    TfrEnterRectEvent OnEnterRect;
    TfrUserFunctionEvent OnUserFunction;
    TfrProgressEvent OnProgress;
    TfrBandEvent OnBeginColumn;
    TfrPrintColumnEvent OnPrintColumn;
    TfrManualBuildEvent OnManualBuild;

    TfrPages Pages{this};
    TfrEMFPages EMFPages{this};
    TStringList Variables;  // category lines, and their variables indented by one blank
    TfrValues Values;
    uint16_t KeepDefaultPrinter = 0;  // stored in the template; non-zero is set
    uint16_t PrepareTwice = 0;
    bool OutputRun = false;
    bool Terminated = false;  // cancel of building or printing, polled by their loops
    bool FromTemplate = false;
    TfrPage* FormingPage = nullptr;

    // The template stream with its version byte; a body that cannot be read leaves one empty page and
    // the message "Unsupported FRF format".
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream);
    // The form-data property "ReportForm": the template stream is in it only with StoreInDFM.
    void ReadBinaryData(TStream& stream);
    void WriteBinaryData(TStream& stream);
    // Selects the printer a template or prepared report names, unless the report keeps the default.
    void SelectStoredPrinter(const QString& printerName);
    // The first template view of that name, case-insensitively, over the pages in order.
    TfrView* FindObject(const QString& name) const;
    void GetCategoryList(TStringList& list) const;
    void GetVarList(int categoryNo, TStringList& list) const;
    void SavePreparedReport(const QString& fileName);
    // Missing or unreadable files raise; a damaged one raises EStreamError and keeps the pages.
    void LoadPreparedReport(const QString& fileName);

    // Showing and printing. ShowReport builds the report and shows it in a preview window, or shows
    // the error that stopped the build; ShowPreparedReport shows pages already prepared.
    void ShowReport();
    void ShowPreparedReport();
    // Prints the prepared pages of a page list such as "1,3,5-12" (empty: all), each page Copies times
    // in a row, in the progress window when the report shows progress; Cancel stops after a page.
    void PrintPreparedReport(const QString& pageList, int copies);
    void SendToPrinter(const QString& pageList, int copies);
    // Selects another installed printer and gives every template page its paper again; an invalid
    // choice is reported, the old printer stays selected and the answer is false.
    bool ChangePrinter(int oldIndex, int newIndex);
    QString PrintPageList;  // of the print run under way
    int PrintCopies = 1;

    // Values of expressions: the parser's handlers while the report is built, the display text of a
    // memo's bracketed expression, the hooks views call before they print, the export hooks.
    void ParserGetValue(const QString& name, Variant& value);
    void ParserFunction(const QString& name, const Variant& p1, const Variant& p2, const Variant& p3,
                        QString& value);
    void InstallParserHandlers();  // the global parser asks this report
    // An expression with an optional display-format suffix after " #" (N number, D date, B Boolean).
    void GetVariableValue(const QString& expression, QString& text);
    // By the category of the format word: text, number, date, time, Boolean; a blank for no value.
    void FormatValue(const Variant& value, int format, QString& text, const QString& formatStr);
    void DoEnterRect(TStringList& memo, TfrView* view);
    bool HasEnterRectHandler() const;
    void DoExportData(TfrView* view);
    void DoExportText(int x, int y, const QString& text, TfrView* view);
    TfrExportFilter* CurrentFilter = nullptr;  // set only while an export runs

    // Building: the template's pages become the prepared pages, in one pass or in a counting pass
    // ("TOTALPAGES") and the final one, inside the progress window when ShowProgress is set. False
    // when the user cancelled or a view failed (frErrorFlag and frErrorText tell which); the pages
    // built up to then stay.
    bool PrepareReport();
    // One pass over the template pages into frMasterReport's prepared pages.
    virtual void BuildReport();
    void UpdateProgress(int pageNo);

private:
    bool RunPreparation();
    void PreparePass();
    int RunInProgressWindow(const QString& caption, int prefixId);
    void BindValueDataSets();

    bool passCancelled_ = false;  // the last pass stopped before its end
    bool finalPass_ = false;      // the final pass after a counting pass runs

    QString selfReference_;  // the name the value handler is calculating as an expression
    int valueNesting_ = 0;
};
