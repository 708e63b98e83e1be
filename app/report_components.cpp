#include "app/report_components.h"

#include "app/main_window.h"
#include "base/stream.h"
#include "report/fr_report.h"
#include "report/fr_rich.h"

#include <QFile>

namespace {
TfrReport* makeReport(TForm1& form, const char* name, const QString& formData)
{
    auto* report = new TfrReport(&form);
    report->setObjectName(name);
    report->InitialZoom = pzDefault;
    report->PreviewButtons = frAllPreviewButtons;
    report->ReportType = rtMultiple;
    report->StoreInDFM = true;
    report->Title = QStringLiteral("Dorvan Rapor Önizleme ");
    // A resource that is missing reads as empty data, which the reader reports like a damaged one.
    QFile file(formData);
    TMemoryStream stream(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    report->ReadBinaryData(stream);
    return report;
}
}  // namespace

void CreateReportComponents(TForm1& form)
{
    Q_INIT_RESOURCE(templates);
    form.frRichObject1 = new TfrRichObject(&form);
    form.frRichObject1->setObjectName("frRichObject1");
    form.frReport2 = makeReport(form, "frReport2", QStringLiteral(":/templates/fr_report2.reportform"));
    form.frReport3 = makeReport(form, "frReport3", QStringLiteral(":/templates/fr_report3.reportform"));
}
