#pragma once

#include "base/rich_edit.h"
#include "report/fr_band_view.h"
#include "report/fr_emf_pages.h"
#include "report/fr_globals.h"
#include "report/fr_intrp.h"
#include "report/fr_memo_view.h"
#include "report/fr_picture_view.h"
#include "report/fr_report.h"
#include "report/fr_rich.h"
#include "report/fr_subreport_view.h"
#include "report_test_support.h"
#include "template_test_support.h"

#include <QObject>

#include <memory>
#include <vector>

// Geometry of A4 portrait on the virtual printer, in page units: the printable area starts 18 from
// the top and the left and ends at 734 and 1053.
constexpr int kTop = 18;
constexpr int kLeft = 18;
constexpr int kRight = 734;
constexpr int kBottom = 1053;

// A view as a prepared page holds it.
struct PrintedView {
    QString className;
    int x, y, dx, dy;
    QStringList lines;  // a memo's lines without their wrapping marks, a rich view's paragraphs
};

// A view's lines as printed: a rich view's paragraphs, else its memo without the wrapping marks (lines
// wrapped before printing carry their paragraph end and width).
inline QStringList PrintedLines(TfrView& view)
{
    if (auto* rich = dynamic_cast<TfrRichView*>(&view))
        return rich->RichEdit->Lines();
    QStringList lines;
    const bool wrapped = view.Memo.Text().contains(frParagraphEnd);
    for (int i = 0; i < view.Memo.Count(); ++i) {
        QString text = view.Memo[i];
        if (wrapped) {
            if (text == QString(frParagraphEnd))
                continue;
            bool end = false;
            int width = 0;
            frSplitWrappedLine(view.Memo[i], text, end, width);
        }
        lines << text;
    }
    return lines;
}

// Builds templates by hand and reads the prepared pages back.
class ReportBuildTest : public VirtualPrinterTest {
protected:
    void SetUp() override
    {
        VirtualPrinterTest::SetUp();
        owner = std::make_unique<QObject>();
        owner->setObjectName("Form1");
        report = new TfrReport(owner.get());
        report->setObjectName("frReport1");
        report->ShowProgress = false;
        frGlobalVariables->Clear();
        TestDialogs().Reset();
    }
    void TearDown() override
    {
        owner.reset();
        frCurrentReport = frMasterReport = nullptr;
        VirtualPrinterTest::TearDown();
    }
    TfrPage& Page(int index = 0)
    {
        while (report->Pages.Count() <= index)
            report->Pages.Add();
        return report->Pages.Pages(index);
    }
    TfrBandView& AddBand(TfrBandType type, int top, int height, uint16_t flags = 48, const QString& data = {},
                         int page = 0, const QString& name = {})
    {
        auto band = std::make_unique<TfrBandView>();
        band->FrameTyp = type;
        band->Flags = flags;
        band->SetBounds(0, top, 752, height);
        band->FormatStr = data;
        band->Name = name;
        TfrBandView& result = *band;
        Page(page).Objects.push_back(std::move(band));
        return result;
    }
    TfrBandView& AddCrossBand(TfrBandType type, int left, int width, uint16_t flags = 48, const QString& data = {})
    {
        TfrBandView& band = AddBand(type, 0, 1071, flags, data);
        band.SetBounds(left, 0, width, 1071);
        return band;
    }
    TfrMemoView& AddMemo(int x, int y, int dx, int dy, const QStringList& lines, int page = 0,
                         const QString& name = {})
    {
        auto memo = std::make_unique<TfrMemoView>();
        memo->SetBounds(x, y, dx, dy);
        for (const QString& line : lines)
            memo->Memo.Add(line);
        memo->Name = name;
        TfrMemoView& result = *memo;
        Page(page).Objects.push_back(std::move(memo));
        return result;
    }
    TfrRichView& AddRich(int x, int y, int dx, int dy, int page = 0)
    {
        auto rich = std::make_unique<TfrRichView>();
        rich->SetBounds(x, y, dx, dy);
        rich->Name = "Rich1";
        TfrRichView& result = *rich;
        Page(page).Objects.push_back(std::move(rich));
        return result;
    }
    void AddPicture(int x, int y, int dx, int dy)
    {
        auto picture = std::make_unique<TfrPictureView>();
        picture->SetBounds(x, y, dx, dy);
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        picture->Picture.SetBitmap(image);
        Page().Objects.push_back(std::move(picture));
    }
    TfrSubReportView& AddSubReport(int x, int y, int dx, int dy, int targetPage, int page = 0)
    {
        auto sub = std::make_unique<TfrSubReportView>();
        sub->SetBounds(x, y, dx, dy);
        sub->PageIndex = targetPage;
        TfrSubReportView& result = *sub;
        Page(page).Objects.push_back(std::move(sub));
        return result;
    }
    // The shape of the program's portrait template: title, page header with the date, a summary
    // with the rich body that may break over pages, and a page footer with the page number.
    TfrRichView& BuildPortraitTemplate()
    {
        AddBand(btReportTitle, 44, 28);
        AddMemo(40, 48, 668, 18, {"Başlık"}, 0, "Memo5");
        AddBand(btPageHeader, 88, 44);
        AddMemo(560, 90, 148, 18, {"Tarih"}, 0, "Memo3");
        AddMemo(40, 112, 668, 18, {}, 0, "Memo1");
        AddBand(btReportSummary, 148, 430, 48 | flStretched | flBandBreaked);
        TfrRichView& rich = AddRich(40, 150, 668, 422);
        AddBand(btPageFooter, 990, 28);
        AddMemo(604, 994, 104, 22, {"Sayfa [PAGE#]"}, 0, "Memo4");
        return rich;
    }
    bool Prepare() { return report->PrepareReport(); }
    int PageCount() { return report->EMFPages.Count(); }
    std::vector<PrintedView> Printed(int pageNo)
    {
        TfrEMFPages& pages = report->EMFPages;
        pages.ObjectsToPage(pageNo);
        std::vector<PrintedView> views;
        for (const auto& v : pages.Pages(pageNo).Page->Objects) {
            PrintedView p{v->ClassName(), v->x, v->y, v->dx, v->dy, PrintedLines(*v)};
            views.push_back(p);
        }
        pages.Pages(pageNo).Page.reset();
        return views;
    }
    // The texts of the memos on a page, top to bottom as they were printed.
    QStringList MemoTexts(int pageNo)
    {
        QStringList texts;
        for (const PrintedView& v : Printed(pageNo)) {
            if (v.className == "TfrMemoView")
                texts << v.lines.join('|');
        }
        return texts;
    }
    std::unique_ptr<QObject> owner;
    TfrReport* report = nullptr;
};
