// How a run-time band prints: its height, the break before it, the splitting of tall views over
// pages, sub-reports, cross bands and the totals of footers.
#include "report/fr_band.h"

#include "base/exceptions.h"
#include "base/stream.h"
#include "report/fr_band_view.h"
#include "report/fr_dset.h"
#include "report/fr_globals.h"
#include "report/fr_intrp.h"
#include "report/fr_memo_view.h"
#include "report/fr_pages.h"
#include "report/fr_pars.h"
#include "report/fr_report.h"
#include "report/fr_strings.h"
#include "report/fr_subreport_view.h"
#include "report/fr_view.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace {

// Page footers, overlays and the "None" band keep their own place; every other band goes where the
// page has got to.
bool IsPlaced(uint8_t type)
{
    return type != btPageFooter && type != btOverlay && type != btNone;
}

TfrStretcheable* Stretchable(TfrView* view)
{
    return dynamic_cast<TfrStretcheable*>(view);
}

const QChar kLineBreak = QLatin1Char('\n');

// Views printed so far; a pass of sub-reports that prints none on a fresh page cannot get further.
int printedViews = 0;
// Set while the sub-reports of a band must print what waits even though it does not fit.
bool forceFit = false;

TStream& CurrentPageStream()
{
    // The counting pass prints as the final one does, so that split views use up their text the same
    // way; what it prints is thrown away.
    if (frMeasureOnly) {
        static TMemoryStream discarded;
        discarded.Clear();
        return discarded;
    }
    return *frMasterReport->EMFPages.Pages(frCurrentPageNo).Stream;
}

QString BandName(const TfrBand& band)
{
    if (band.View != nullptr && !band.View->Name.isEmpty())
        return band.View->Name;
    return frBandTypeNames.value(band.BandType);
}

void NotifyListeners(TfrView* printed)
{
    for (TfrView* listener : frListeningViews)
        listener->ViewPrinted(printed);
}

}  // namespace

void TfrBand::SetDataSetName(const QString& text)
{
    if (BandType == btGroupHeader) {
        GroupCondition = text;
        return;
    }
    ReleaseDataSet(DataSet, OwnsDataSet);
    if (!text.isEmpty() && !text.contains(QLatin1Char(';')))
        frResolveDataSet(text, DataSet, OwnsDataSet);
    if (BandType == btMasterData && DataSet == nullptr && frCurrentReport != nullptr &&
        frCurrentReport->ReportType == rtSimple && frCurrentReport->Dataset != nullptr) {
        TfrDataset* reportData = frCurrentReport->Dataset;
        reportData->Init();
        DataSet = reportData;  // only a source that took its Init is told Exit
    }
}

bool TfrBand::Draw()
{
    TfrPage& page = *Parent;
    frCurrentView = View;
    frCurrentBand = frAggregateBand = this;
    MeasuredHeight = -1;
    PageBreakRequested = ColumnBreakRequested = false;
    movedDown_ = false;
    bool result = false;
    try {
        if (frCurrentReport != nullptr && frCurrentReport->OnBeginBand)
            frCurrentReport->OnBeginBand(this);
        if (Script.Count() > 0 && frGlobalInterpreter != nullptr)
            frGlobalInterpreter->RunScript(Script);
        if (page.BreakPending && Visible && !Objects.isEmpty() && IsPlaced(BandType) && !page.StartingPage) {
            page.BreakPending = false;
            page.NewPage();
            movedDown_ = true;
        }
        if (PageBreakRequested) {
            page.ActiveColumn = page.Columns - 1;
            page.NewColumn(this);
            movedDown_ = true;
        }
        if (ColumnBreakRequested) {
            page.NewColumn(this);
            movedDown_ = true;
        }
        if (Visible) {
            if (BandType == btColumnHeader)
                page.ColumnTopY = page.NextY;
            if (BandType == btPageFooter)
                Y = page.BottomLimitY;
            if (!Objects.isEmpty()) {
                const int needed = IsPlaced(BandType) && !MayBreak ? NeededHeight() : 0;
                if (IsPlaced(BandType) && needed + page.NextY > page.BottomLimitY && !MayBreak) {
                    result = true;
                    if (page.Skip) {
                        if (!forceFit)
                            return true;
                        forceFit = false;  // only the band that waits, not every band after it
                    }
                    // A band that does not fit a page holding nothing else fits on no page; stretched
                    // text taller than any page goes on from here.
                    if (!movedDown_ && !page.StartingPage && page.PageHasContent &&
                        !(Stretched && TallerThanAPage(needed))) {
                        Overflows(0, 10000, false);
                        movedDown_ = true;
                    }
                }
                BandDone = true;
                if (frIsDataBand(BandType) && DataSet != nullptr && Next != nullptr && Next->DataSet == nullptr) {
                    // The bands behind a data band that have no data of their own print with its record,
                    // which the footers count once.
                    for (TfrBand* b = this; b != nullptr; b = b->Next) {
                        if (b != this && b->DataSet != nullptr)
                            break;
                        b->PlaceAndPrint(b == this);
                    }
                } else {
                    PlaceAndPrint();
                    // A band that a new page prints itself would start the next page for ever.
                    const bool startsOrEndsPages = BandType == btPageHeader || BandType == btPageFooter ||
                                                   BandType == btOverlay || BandType == btColumnHeader ||
                                                   BandType == btColumnFooter;
                    if (!frIsDataBand(BandType) && BandType != btGroupHeader && BreakAfter && !startsOrEndsPages &&
                        !page.StartingPage)
                        page.BreakPending = true;
                }
                result = !BandDone;
            }
        } else if (frIsDataBand(BandType)) {
            page.DoAggregate({btPageFooter, btMasterFooter, btDetailFooter, btSubDetailFooter, btGroupFooter,
                              btReportSummary});
        }
        if (!KeepTotals &&
            (BandType != btPageFooter || frCurrentPageNo == frMasterReport->EMFPages.Count() - 1))
            InitValues();
        if (frCurrentReport != nullptr && frCurrentReport->OnEndBand)
            frCurrentReport->OnEndBand(this);
    } catch (const std::exception& e) {
        ReportError(ExceptionText(e));
        return false;
    }
    return result;
}

int TfrBand::NeededHeight()
{
    if (frIsDataBand(BandType) && Next != nullptr && Next->DataSet == nullptr) {
        int height = 0;
        for (TfrBand* b = this; b != nullptr; b = b->Next) {
            if (b != this && b->DataSet != nullptr)
                break;
            height += b->MeasureHeight();
        }
        return height;
    }
    MeasuredHeight = DY;
    return Stretched ? MeasureHeight() : DY;
}

TfrBand* TfrBand::CrossBand(uint8_t type) const
{
    return Parent->Bands[type];
}

int TfrBand::MeasureHeight()
{
    int height = 0;
    if (SharesCrossViews() && BandType != btPageFooter) {
        TfrPage& page = *Parent;
        page.ColumnCounter = 1;
        if (frCurrentReport != nullptr && frCurrentReport->OnBeginColumn)
            frCurrentReport->OnBeginColumn(this);
        height = ViewsHeight(false);
        TfrBand* data = CrossBand(btCrossData);
        if (page.BandHasObjects(data)) {
            TfrDataset* columns = data->DataSet != nullptr ? data->DataSet : ColumnDataSet;
            if (columns != nullptr) {
                for (columns->First(); !columns->Eof() && !frBuildCancelled(); columns->Next()) {
                    int width = 0;
                    if (frCurrentReport != nullptr && frCurrentReport->OnPrintColumn)
                        frCurrentReport->OnPrintColumn(page.ColumnCounter, width);
                    height = std::max(height, ViewsHeight(true));
                    ++page.ColumnCounter;
                }
            }
        }
    } else {
        height = ViewsHeight(false);
    }
    MeasuredHeight = height;
    return height;
}

int TfrBand::ViewsHeight(bool allViews)
{
    frCurrentBand = frAggregateBand = this;
    int height = DY;
    for (TfrView* v : Objects) {
        v->DesignDY = v->dy;
        TfrStretcheable* s = Stretchable(v);
        if (s == nullptr || !(allViews || v->Parent == this))
            continue;
        height = std::max(height, s->ContentHeight() + v->y);
        if (allViews)
            s->PartMode = 0;
    }
    return height;
}

void TfrBand::GrowViews(int height)
{
    for (TfrView* v : Objects) {
        if ((Stretchable(v) != nullptr || v->ObjectType == gtLine) && (v->Flags & flStretched))
            v->dy = height - v->y;
    }
}

void TfrBand::ResetViewHeights()
{
    for (TfrView* v : Objects)
        v->dy = v->DesignDY;
}

void TfrBand::PlaceAndPrint(bool aggregate)
{
    if (Objects.isEmpty())
        return;
    TfrPage& page = *Parent;
    const int keptY = Y;
    const bool placed = IsPlaced(BandType);
    const bool starting = page.StartingPage;
    const bool mayMove = placed && !movedDown_ && !starting && page.PageHasContent;
    // Splitting starts pages; a band that prints while a page starts or ends must not. Sub-reports run
    // over pages by themselves: a band holding them is placed whole, as a split would drop them.
    const bool subReports = std::any_of(Objects.begin(), Objects.end(),
                                        [](const TfrView* v) { return v->ObjectType == gtSubReport; });
    bool split = MayBreak && placed && !starting && !subReports;
    if (placed)
        Y = page.NextY;
    int height = DY;
    if (Stretched) {
        if (MeasuredHeight < 0)
            MeasureHeight();
        height = MeasuredHeight;
        if (height > DY)
            GrowViews(height);
        UsedDY = height;
    }
    if (!split && mayMove && !(Stretched && TallerThanAPage(height))) {
        Overflows(Y, height, false);
        Y = page.NextY;
    }
    if (!split && placed && !starting && !page.Skip && page.Mode == 0 && !subReports && Overflows(Y, height, true)) {
        // Taller than a page holding nothing else: stretched text goes on over the next pages; a band
        // of fixed height cannot be placed on any page.
        if (!Stretched) {
            CannotPlace(height);
            Y = keptY;
            return;
        }
        split = true;
    }
    // a page started above printed its footer and headers: expressions ask this band again
    frCurrentBand = frAggregateBand = this;
    bool stopped = false;
    if (split) {
        if (!Stretched)
            UsedDY = MeasuredHeight < 0 ? DY : MeasuredHeight;
        PrintSplit();
        height = 0;
    } else {
        stopped = PrintAllViews();
        if (SharesCrossViews())
            PrintCrossTable();
    }
    if (Stretched)
        ResetViewHeights();
    if (!stopped && placed)
        page.NextY += height;
    if (placed && !starting && BandType != btPageHeader && BandType != btColumnHeader)
        page.PageHasContent = true;
    Y = keptY;
    movedDown_ = false;
    if (aggregate && frIsDataBand(BandType))
        page.DoAggregate({btPageFooter, btMasterFooter, btDetailFooter, btSubDetailFooter, btGroupFooter,
                          btReportSummary});
}

bool TfrBand::TallerThanAPage(int height) const
{
    const TfrPage& page = *Parent;
    const TfrBand* columnFooter = page.Bands[btColumnFooter];
    return height + (columnFooter != nullptr ? columnFooter->DY : 0) > page.BottomLimitY - page.TopMargin();
}

void TfrBand::CannotPlace(int height)
{
    if (!frErrorFlag) {
        const TfrPage& page = *Parent;
        frErrorText = QStringLiteral("\"%1\" bandı boş bir sayfaya da sığmıyor: yüksekliği %2, sayfada yer %3. "
                                     "Rapor hazırlanamadı; şablonda bandı ya da içindekini küçültün.")
                          .arg(BandName(*this))
                          .arg(height)
                          .arg(std::max(page.BottomLimitY - page.NextY, 0));
        frErrorFlag = true;
    }
    if (frMasterReport != nullptr)
        frMasterReport->Terminated = true;
}

bool TfrBand::Overflows(int y, int dy, bool testOnly)
{
    TfrPage& page = *Parent;
    const TfrBand* columnFooter = page.Bands[btColumnFooter];
    if (y + dy + (columnFooter != nullptr ? columnFooter->DY : 0) <= page.BottomLimitY)
        return false;
    if (!testOnly)
        page.NewColumn(this);
    return true;
}

bool TfrBand::PrintAllViews()
{
    for (int i = 0; i < Objects.size(); ++i) {
        TfrView* v = Objects[i];
        if (v->ObjectType == gtSubReport) {
            FirstSubReport = i;
            SetUpSubReports();
            DrawSubReports();
            return true;
        }
        PrintOneView(v);
        if (frBuildCancelled())
            return false;
    }
    return false;
}

void TfrBand::PrintOneView(TfrView* view)
{
    frCurrentPage = Parent;
    frCurrentBand = frAggregateBand = this;
    if (view->Parent != this)
        return;
    PrintViewAt(view, Parent->ColumnX - Parent->LeftMargin(), Y);
}

void TfrBand::PrintViewAt(TfrView* view, int dx, int dy)
{
    TfrStretcheable* s = Stretchable(view);
    const uint8_t partMode = s != nullptr ? s->PartMode : 0;
    frCurrentView = view;
    view->x += dx;
    view->y += dy;
    try {
        view->Print(CurrentPageStream());
    } catch (const std::exception& e) {
        view->x -= dx;
        view->y -= dy;
        if (s != nullptr)
            s->PartMode = 0;
        ReportError(ExceptionText(e));
        return;
    }
    view->x -= dx;
    view->y -= dy;
    ++printedViews;
    if (view->ObjectType == gtMemo && (partMode == 0 || partMode == 2))
        NotifyListeners(view);
}

void TfrBand::PrintSplit()
{
    TfrPage& page = *Parent;
    struct Part {
        TfrView* view;
        TRect design;             // x, y, dx, dy as designed
        bool continuing = false;  // its first part is printed, the rest waits
        int lastNeed = INT_MAX;   // height of the rest when it last overran a page
    };
    std::vector<Part> parts;
    parts.reserve(static_cast<size_t>(Objects.size()));
    for (TfrView* v : Objects) {
        v->Selected = true;
        parts.push_back({v, TRect{v->x, v->y, v->dx, v->dy}});
    }
    const TfrBand* columnFooter = page.Bands[btColumnFooter];
    const int footerDY = columnFooter != nullptr ? columnFooter->DY : 0;

    if (!Overflows(Y, UsedDY, true)) {
        PrintAllViews();
    } else {
        for (TfrView* v : Objects) {
            TfrStretcheable* s = Stretchable(v);
            if (s == nullptr)
                continue;
            s->PrintedHeight = 0;
            // measuring starts the view's text from its beginning; a memo prints its wrapped lines
            s->ContentHeight();
            if (v->ObjectType == gtMemo && frScratchMemo != nullptr)
                v->OutLines.Assign(*frScratchMemo);
        }
        int maxY = 0;
        // Whether the page (or column) holds nothing but its headers: what does not fit there fits nowhere.
        bool fresh = !page.PageHasContent;
        bool failed = false;
        for (;;) {
            const int limit = page.BottomLimitY - footerDY - Y - 2;
            if (limit <= 0) {
                // no room left below the band's top
                if (fresh) {
                    CannotPlace(UsedDY);
                    break;
                }
                Overflows(Y, 10000, false);
                Y = page.NextY;
                fresh = true;
                continue;
            }
            if (fresh) {
                // Pages that would hold nothing of the band are not added: what waits moves up by whole
                // pages, to where it would have landed.
                int top = INT_MAX;
                for (const Part& part : parts) {
                    if (part.view->Selected)
                        top = part.continuing ? 0 : std::min(top, std::max(part.view->y, 0));
                }
                if (top != INT_MAX && top >= limit) {
                    const int skipped = top / limit * limit;
                    for (TfrView* v : Objects)
                        v->y -= skipped;
                }
            }
            maxY = 0;
            for (Part& part : parts) {
                TfrView* v = part.view;
                if (!v->Selected)
                    continue;
                TfrStretcheable* s = Stretchable(v);
                if (!part.continuing) {
                    v->y = std::max(v->y, 0);
                    if (v->y >= limit)
                        continue;
                    if (v->y + v->dy < limit) {
                        maxY = std::max(maxY, v->y + v->dy);
                        PrintOneView(v);
                        v->Selected = false;
                    } else if (s != nullptr) {
                        const int keptDY = v->dy;
                        v->dy = limit - v->y + 1;
                        s->PrintedHeight += v->dy;
                        if (s->MinHeight() < v->dy) {
                            s->PartMode = 3;
                            PrintOneView(v);
                        }
                        v->dy = keptDY;
                        part.continuing = true;
                    } else if (fresh && v->y == 0) {
                        // cannot be split and is taller than an empty page
                        CannotPlace(v->dy);
                        failed = true;
                        break;
                    } else {
                        v->y = limit;  // moves down to the next page
                    }
                    continue;
                }
                const int keptY = v->y, keptDY = v->dy;
                auto printPart = [&](int height, int counted) {
                    v->y = 0;
                    v->dy = height;
                    s->PrintedHeight += counted;
                    s->PartMode = 3;
                    PrintOneView(v);
                    v->y = keptY;
                    v->dy = keptDY;
                };
                if (v->y + v->dy >= limit) {
                    printPart(limit, limit);
                    continue;
                }
                // The last part is as tall as the text left, which may be more than the rest of the
                // view's rectangle: lines never split, so every page may have left a little room.
                if (!s->AllPrinted()) {
                    const int need = s->UnprintedHeight() + 2 * v->GapY + 1;
                    if (need > limit) {
                        if (need >= part.lastNeed) {
                            // a whole page took nothing of it: a line taller than a page
                            CannotPlace(need);
                            failed = true;
                            break;
                        }
                        part.lastNeed = need;
                        printPart(limit, limit);
                        continue;
                    }
                    maxY = std::max(maxY, need);
                    printPart(need, need - 1);
                }
                ShiftObjectsBelow(v, s->PrintedHeight - v->dy);
                v->Selected = false;
            }
            if (failed)
                break;
            for (TfrView* v : Objects)
                v->y -= limit;
            const bool waiting = std::any_of(Objects.begin(), Objects.end(), [](TfrView* v) { return v->Selected; });
            if (!waiting || frBuildCancelled())
                break;
            Overflows(Y, 10000, false);
            Y = page.NextY;
            fresh = true;
        }
        UsedDY = maxY;
    }
    for (const Part& part : parts) {
        part.view->x = part.design.Left;
        part.view->y = part.design.Top;
        part.view->dx = part.design.Right;
        part.view->dy = part.design.Bottom;
        part.view->Selected = false;
        if (TfrStretcheable* s = Stretchable(part.view))
            s->PartMode = 0;
    }
    page.NextY += UsedDY;
}

void TfrBand::ShiftObjectsBelow(TfrView* view, int delta)
{
    for (TfrView* v : Objects) {
        if (v != view && v->y > view->y + view->dy && v->x >= view->x && v->x <= view->x + view->dx)
            v->y += delta;
    }
}

void TfrBand::SetUpSubReports()
{
    TfrPage& parent = *Parent;
    const size_t count = static_cast<size_t>(std::max(static_cast<int>(Objects.size()) - FirstSubReport, 0));
    SubReportDone.assign(count, true);
    subPages_.assign(count, nullptr);
    for (int i = FirstSubReport; i < Objects.size(); ++i) {
        auto* view = dynamic_cast<TfrSubReportView*>(Objects[i]);
        if (view == nullptr || frCurrentReport == nullptr || view->PageIndex < 0 ||
            view->PageIndex >= frCurrentReport->Pages.Count())
            continue;
        TfrPage& page = frCurrentReport->Pages.Pages(view->PageIndex);
        // A page that holds itself, directly or through others, is printed once and not again inside.
        if (&page == &parent || !page.List.empty() || !page.BandsBuilt)
            continue;
        page.Mode = 1;
        page.FormPage();
        page.NextY = view->y + Y;
        page.BottomLimitY = parent.BottomLimitY;
        page.ColumnX = parent.ColumnX + view->x;
        page.Columns = 1;
        page.NextStep = 0;
        const auto k = static_cast<size_t>(i - FirstSubReport);
        subPages_[k] = &page;
        SubReportDone[k] = false;
    }
    parent.WaitingBand = nullptr;
}

bool TfrBand::DrawSubReports()
{
    TfrPage& parent = *Parent;
    const size_t count = subPages_.size();
    bool fresh = false;
    int maxY = parent.NextY;
    for (;;) {
        if (!BandDone) {
            // a pass after a new page: the sub-reports go on from its top
            fresh = true;
            for (size_t k = 0; k < count; ++k) {
                if (!SubReportDone[k]) {
                    subPages_[k]->NextY = parent.NextY;
                    subPages_[k]->BottomLimitY = parent.BottomLimitY;
                }
            }
        }
        BandDone = true;
        maxY = parent.NextY;
        const int printedBefore = printedViews;
        auto playAll = [&] {
            for (size_t k = 0; k < count; ++k) {
                if (SubReportDone[k])
                    continue;
                if (subPages_[k]->PlayRecList()) {
                    BandDone = false;
                } else {
                    SubReportDone[k] = true;
                    maxY = std::max(maxY, subPages_[k]->NextY);
                }
            }
        };
        playAll();
        if (!BandDone && fresh && printedViews == printedBefore && !frBuildCancelled()) {
            // Nothing fitted on an empty page: what waits is printed as it is.
            const bool keptForce = forceFit;
            forceFit = true;
            BandDone = true;
            playAll();
            forceFit = keptForce;
        }
        if (BandDone || frBuildCancelled())
            break;
        if (parent.Skip) {
            parent.WaitingBand = this;
            return true;
        }
        parent.NewPage();
    }
    for (TfrPage* page : subPages_) {
        if (page != nullptr)
            page->ClearRecList();
    }
    subPages_.clear();
    parent.NextY = maxY;
    parent.WaitingBand = nullptr;
    return false;
}

bool TfrBand::SharesCrossViews() const
{
    return std::any_of(Objects.begin(), Objects.end(), [this](const TfrView* v) { return v->Parent != this; });
}

void TfrBand::PrintCrossTable()
{
    if (BandType == btPageFooter)
        return;
    TfrPage& page = *Parent;
    page.ColumnCounter = 1;
    const int startPageNo = frCurrentPageNo;
    struct CrossScope {
        CrossScope() { frDrawingCross = true; }
        ~CrossScope() { frDrawingCross = false; }
    } scope;
    if (frCurrentReport != nullptr && frCurrentReport->OnBeginColumn)
        frCurrentReport->OnBeginColumn(this);
    TfrBand* header = CrossBand(btCrossHeader);
    TfrBand* data = CrossBand(btCrossData);
    TfrBand* footer = CrossBand(btCrossFooter);
    int x = 0;
    if (page.BandHasObjects(header)) {
        PrintCrossSlice(header, header->X);
        x = header->X + header->DX;
    }
    if (page.BandHasObjects(data)) {
        if (x == 0)
            x = data->X;
        TfrDataset* columns = data->DataSet != nullptr ? data->DataSet : ColumnDataSet;
        if (columns != nullptr) {
            for (columns->First(); !columns->Eof() && !frBuildCancelled(); columns->Next()) {
                int width = data->DX;
                if (frCurrentReport != nullptr && frCurrentReport->OnPrintColumn)
                    frCurrentReport->OnPrintColumn(page.ColumnCounter, width);
                CrossPageWidthCheck(x, width, startPageNo);
                PrintCrossSlice(data, x);
                if (frIsDataBand(BandType)) {
                    page.DoAggregate({btPageFooter, btMasterFooter, btDetailFooter, btSubDetailFooter,
                                      btGroupFooter, btCrossFooter, btReportSummary});
                }
                x += width;
                ++page.ColumnCounter;
            }
        }
    }
    if (page.BandHasObjects(footer)) {
        if (x == 0)
            x = footer->X;
        CrossPageWidthCheck(x, footer->DX, startPageNo);
        frAggregateBand = footer;
        PrintCrossSlice(footer, x);
        footer->InitValues();
    }
    frCurrentPageNo = startPageNo;
    frCurrentBand = frAggregateBand = this;
}

void TfrBand::CrossPageWidthCheck(int& x, int width, int startPageNo)
{
    TfrPage& page = *Parent;
    if (x + width <= page.RightMargin())
        return;
    x = page.LeftMargin();
    ++frCurrentPageNo;
    TfrEMFPages& pages = frMasterReport->EMFPages;
    if (frCurrentPageNo >= pages.Count()) {
        pages.Add(page);
        const int keptY = page.NextY;
        page.NextY = page.TopMargin();
        const bool keptStarting = page.StartingPage;
        page.StartingPage = true;
        page.ShowBand(page.Bands[btOverlay]);
        TfrBand* pageHeader = page.Bands[btPageHeader];
        if (startPageNo != 0 || (pageHeader->Flags & flBandOnFirstPage))
            page.ShowBand(pageHeader);
        page.StartingPage = keptStarting;
        page.NextY = keptY;
        if (frCurrentReport != nullptr)
            frCurrentReport->UpdateProgress(frCurrentPageNo + 1);
    }
    frCurrentBand = this;
    TfrBand* header = CrossBand(btCrossHeader);
    if (page.BandHasObjects(header) && (header->Flags & flBandRepeatHeader)) {
        PrintCrossSlice(header, page.LeftMargin());
        x = page.LeftMargin() + header->DX;
    }
}

void TfrBand::PrintCrossSlice(TfrBand* crossBand, int x)
{
    for (TfrView* v : crossBand->Objects) {
        if (!Objects.contains(v))
            continue;
        frCurrentPage = Parent;
        frCurrentBand = this;
        v->Parent = this;
        PrintViewAt(v, x, Y);
        v->Parent = crossBand;
        if (frBuildCancelled())
            return;
    }
}

void TfrBand::InitValues()
{
    if (BandType == btGroupHeader) {
        for (TfrBand* b = this; b != nullptr; b = b->Next) {
            if (b->FooterBand != nullptr) {
                b->FooterBand->Values.Clear();
                b->FooterBand->Count = 0;
            }
            TfrBand* keptBand = frCurrentBand;
            frCurrentBand = b;
            b->GroupStartValue = b->GroupCondition.isEmpty() || frGlobalParser == nullptr
                                     ? Variant()
                                     : frGlobalParser->Calc(b->GroupCondition);
            frCurrentBand = keptBand;
        }
        return;
    }
    Values.Clear();
    Count = 0;
}

void TfrBand::DoAggregate()
{
    ResetAggregateMarks();
    TfrBand* keptAggregate = frAggregateBand;
    TfrView* keptView = frCurrentView;
    const bool keptVisible = Visible;
    struct Restore {
        TfrBand* band;
        TfrBand* aggregate;
        TfrView* view;
        bool visible;
        ~Restore()
        {
            band->Visible = visible;
            frAggregateBand = aggregate;
            frCurrentView = view;
        }
    } restore{this, keptAggregate, keptView, keptVisible};
    // Hidden while it accumulates: the aggregate functions count instead of answering, and user
    // functions are not called.
    Visible = false;
    frAggregateBand = this;
    for (TfrView* v : Objects) {
        if (v->ObjectType != gtMemo)
            continue;
        frCurrentView = v;
        static_cast<TfrMemoView*>(v)->ExpandVariables();
    }
    ++Count;
}

void TfrBand::ReportError(const QString& message)
{
    // The first failure is the one to tell; what fails after it follows from it. The lines are broken
    // where a message box breaks them.
    if (!frErrorFlag) {
        QString text = frLoadStr(frRes_CalcError);
        if (frCurrentView != nullptr) {
            for (int i = 0; i < frCurrentView->Memo.Count(); ++i)
                text += kLineBreak + frCurrentView->Memo[i];
        }
        text += kLineBreak + frLoadStr(frRes_ReportColon) + QLatin1Char(' ') +
                (frCurrentReport != nullptr ? frCurrentReport->objectName() : QString());
        const TfrBand* band = frCurrentView != nullptr && frCurrentView->Parent != nullptr ? frCurrentView->Parent : this;
        text += kLineBreak + frLoadStr(frRes_BandColon) + QLatin1Char(' ') + frBandTypeNames.value(band->BandType);
        if (!message.isEmpty())
            text += kLineBreak + message;
        frErrorText = text;
        frErrorFlag = true;
    }
    if (frMasterReport != nullptr)
        frMasterReport->Terminated = true;
}
