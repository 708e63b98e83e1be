#include "app/report_components.h"

#include "app/main_window.h"
#include "base/stream.h"
#include "report/fr_composite_report.h"
#include "report/fr_report.h"
#include "report/fr_rich.h"

#include <QFile>

namespace {
const QString kEmptyTemplate = QStringLiteral(":/templates/fr_empty_report.reportform");

template <class R = TfrReport>
R* makeReport(TForm1& form, const char* name, const QString& formData, const QString& title)
{
    auto* report = new R(&form);
    report->setObjectName(name);
    report->InitialZoom = pzDefault;
    report->PreviewButtons = frAllPreviewButtons;
    report->ReportType = rtMultiple;
    report->StoreInDFM = true;
    report->Title = title;
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
    const QString title = QStringLiteral("Dorvan Rapor Önizleme ");
    form.frRichObject1 = new TfrRichObject(&form);
    form.frRichObject1->setObjectName("frRichObject1");
    form.frReport1 = makeReport(form, "frReport1", kEmptyTemplate, title);
    form.frReport2 = makeReport(form, "frReport2", QStringLiteral(":/templates/fr_report2.reportform"), title);
    form.frReport3 = makeReport(form, "frReport3", QStringLiteral(":/templates/fr_report3.reportform"), title);
    form.frReport4 = makeReport(form, "frReport4", kEmptyTemplate, title);
    form.frReport5 = makeReport(form, "frReport5", kEmptyTemplate, title);
    form.frCompositeReport1 = makeReport<TfrCompositeReport>(form, "frCompositeReport1", kEmptyTemplate, QString());
}
