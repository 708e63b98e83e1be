#pragma once

#include "base/string_list.h"
#include "report/fr_emf_pages.h"
#include "report/fr_pages.h"
#include "report/fr_report_types.h"
#include "report/fr_values.h"

#include <QObject>
#include <QPointer>
#include <QString>

class TfrDataset;
class TfrPreview;
class TStream;

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
    bool Terminated = false;
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
    // DEV SHIM
    void GetVariableValue(const QString& expression, QString& text);
    void DoEnterRect(TStringList& memo, TfrView* view);
    void DoExportData(TfrView* view);
    void DoExportText(int x, int y, const QString& text, TfrView* view);
    bool HasEnterRectHandler() const;
};
