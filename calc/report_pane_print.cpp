#include "calc/report_pane_print.h"

#include "base/exceptions.h"
#include "base/rich_edit.h"
#include "report/fr_memo_view.h"
#include "report/fr_report.h"
#include "report/fr_rich.h"

#include <QTextBlock>
#include <QTextDocument>

#include <cstdlib>

namespace {

Exception missingView(const QString& name)
{
    return Exception(QStringLiteral("Rapor şablonunda \"%1\" bulunamadı; rapor hazırlanamıyor.").arg(name));
}

template <typename View>
View& templateView(TfrReport& report, const QString& name)
{
    if (auto* view = dynamic_cast<View*>(report.FindObject(name)))
        return *view;
    throw missingView(name);
}
}  // namespace

TFont RichEditFont(const TRichEdit& pane)
{
    TFont font;
    font.Name = pane.FontName();
    font.Style = pane.FontStyle();
    // the class library's size of a pixel height on the screen: 11 pixels are 8 points
    const int pixels = std::abs(pane.FontHeight());
    font.Size = (pixels * 72 + kScreenPixelsPerInch / 2) / kScreenPixelsPerInch;
    font.Color = 0;
    return font;
}

TfrMemoView& TemplateMemo(TfrReport& report, const QString& name)
{
    return templateView<TfrMemoView>(report, name);
}

TfrRichView& TemplateRichView(TfrReport& report, const QString& name)
{
    return templateView<TfrRichView>(report, name);
}

QString AsPrintedText(const QString& text)
{
    // The engine evaluates every "[...]" of a view's text; what a user typed is data, so each "[" is
    // handed over as the expression whose value is that very character.
    QString out = text;
    out.replace(QLatin1Char('['), QLatin1String("['[']"));
    return out;
}

void FillRichView(TfrReport& report, const TRichEdit& pane)
{
    TfrRichView& rich = TemplateRichView(report, "rich1");
    if (rich.RichEdit.isNull())
        throw missingView("rich1");
    const TFont font = RichEditFont(pane);
    QTextBlock block = pane.document()->begin();
    rich.SetLines(font.Name, -PointsToPixels(font.Size, kScreenPixelsPerInch), font.Style, pane.LineCount(), [&block] {
        const QString line = AsPrintedText(block.text());
        block = block.next();
        return line;
    });
}

void ShowPaneReport(TfrReport& report, const TRichEdit& pane, const QString& heading, const QString& title)
{
    TemplateMemo(report, "Memo1").SetFont(RichEditFont(pane));
    TemplateMemo(report, "Memo5").Memo.SetText(heading);
    FillRichView(report, pane);
    report.Title = title;
    report.ShowReport();
}
