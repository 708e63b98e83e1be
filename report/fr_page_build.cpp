// How a template page is formed into prepared pages: its run-time bands and views, the band loop
// over the data sets with groups and headers, columns, page breaks and footers.
#include "report/fr_pages.h"

#include "base/data_set.h"
#include "report/fr_band.h"
#include "report/fr_band_view.h"
#include "report/fr_dset.h"
#include "report/fr_globals.h"
#include "report/fr_intrp.h"
#include "report/fr_pars.h"
#include "report/fr_report.h"
#include "report/fr_subreport_view.h"
#include "report/fr_utils.h"
#include "report/fr_values.h"
#include "report/fr_view.h"

#include <algorithm>
#include <exception>

namespace {

// Header, data and footer band of the master, detail and subdetail level.
struct Level {
    uint8_t header, data, footer;
};
constexpr Level kLevels[3] = {{btMasterHeader, btMasterData, btMasterFooter},
                              {btDetailHeader, btDetailData, btDetailFooter},
                              {btSubDetailHeader, btSubDetailData, btSubDetailFooter}};

bool IsCrossBand(const TfrBand* band)
{
    return band != nullptr && band->BandType >= btCrossHeader && band->BandType <= btCrossFooter;
}

TfrEMFPages& PreparedPages()
{
    return frMasterReport->EMFPages;
}

// Group values that cannot be compared (a text against a number) differ.
bool SameGroupValue(const Variant& a, const Variant& b)
{
    if (a.IsEmpty() != b.IsEmpty() || a.IsNull() != b.IsNull())
        return false;
    try {
        return a == b;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

void TfrPage::InitReport()
{
    DoneReport();
    for (uint8_t type = 0; type < 22; ++type)
        Bands[type] = new TfrBand(type, this);
    BandsBuilt = true;  // from here DoneReport frees them, also after a failure below
    RunViews.clear();
    storedColumns_ = Columns;
    List.clear();
    NextStep = 0;
    WaitingBand = nullptr;
    Mode = 0;
    pending_.clear();
    PageHasContent = BreakPending = false;
    BuildBands();
    RecordCounter = 1;
    ColumnCounter = 1;
}

void TfrPage::DoneReport()
{
    if (!BandsBuilt)
        return;
    for (const auto& view : RunViews)
        frListeningViews.removeAll(view.get());
    for (TfrBand*& band : Bands) {
        delete band;  // and the bands chained behind it
        band = nullptr;
    }
    RunViews.clear();
    Columns = storedColumns_;
    List.clear();
    NextStep = 0;
    WaitingBand = nullptr;
    pending_.clear();
    Mode = 0;
    BandsBuilt = false;
}

void TfrPage::ReleaseDataSets()
{
    if (!BandsBuilt)
        return;
    std::exception_ptr failure;
    for (TfrBand* first : Bands) {
        for (TfrBand* band = first; band != nullptr; band = band->Next) {
            try {
                band->ReleaseDataSets();
            } catch (...) {
                if (!failure)
                    failure = std::current_exception();
            }
        }
    }
    if (failure)
        std::rethrow_exception(failure);
}

void TfrPage::FillBand(TfrBand& band, TfrBandView& view)
{
    band.Memo.Assign(view.Memo);
    band.Script.Assign(view.Script);
    band.View = &view;
    band.Flags = view.Flags;
    band.Visible = view.Visible != 0;
    view.Parent = &band;
    band.SetDataSetName(view.FormatStr);
}

void TfrPage::BuildBands()
{
    for (const auto& templateView : Objects) {
        std::unique_ptr<TfrView> copy = frCreateObject(templateView->ObjectType, templateView->ClassName());
        if (!copy)
            continue;
        copy->Assign(*templateView);
        copy->RecordForm = 1;
        copy->DesignDY = copy->dy;
        if (copy->Flags & flHook)
            frListeningViews.append(copy.get());
        RunViews.push_back(std::move(copy));
    }
    for (const auto& view : RunViews) {
        view->Selected = view->ObjectType != gtBand;
        view->Parent = nullptr;
        if (view->Script.Count() > 0 && frGlobalInterpreter != nullptr && frScratchMemo != nullptr)
            frGlobalInterpreter->CompileScript(view->Script, view->Script, *frScratchMemo);
        if (view->ObjectType == gtSubReport && frCurrentReport != nullptr) {
            const int target = static_cast<TfrSubReportView&>(*view).PageIndex;
            if (target >= 0 && target < frCurrentReport->Pages.Count() && &frCurrentReport->Pages.Pages(target) != this)
                frCurrentReport->Pages.Pages(target).Skip = true;
        }
    }

    auto bandViews = [this](uint8_t type) {
        std::vector<TfrBandView*> views;
        for (const auto& view : RunViews) {
            if (view->ObjectType != gtBand)
                continue;
            auto* bandView = static_cast<TfrBandView*>(view.get());
            if (bandView->BandType() == type)
                views.push_back(bandView);
        }
        return views;
    };

    // Cross bands run down the page; the views wholly inside one belong to it.
    for (uint8_t type = btCrossHeader; type <= btCrossFooter; ++type) {
        for (TfrBandView* view : bandViews(type)) {
            TfrBand& band = *Bands[type];
            FillBand(band, *view);
            band.X = view->x;
            band.DX = view->dx;
        }
    }
    for (uint8_t type = btCrossHeader; type <= btCrossFooter; ++type) {
        TfrBand& band = *Bands[type];
        if (band.View == nullptr)
            continue;
        for (const auto& view : RunViews) {
            if (view->Selected && view->Parent == nullptr && view->x >= band.X && view->x + view->dx <= band.X + band.DX) {
                view->x -= band.X;
                view->Parent = &band;
                band.Objects.append(view.get());
            }
        }
    }

    for (uint8_t type = 0; type <= btGroupFooter; ++type) {
        std::vector<TfrBand*> chain;
        for (TfrBandView* view : bandViews(type)) {
            TfrBand* band = chain.empty() ? Bands[type] : new TfrBand(type, this);
            if (!chain.empty())
                chain.back()->Next = band;  // owned through the chain until it is sorted
            chain.push_back(band);
            FillBand(*band, *view);
            band->Y = view->y;
            band->DY = view->dy;
            band->Stretched = view->Flags & flStretched;
            band->ShowWithoutDetail = view->Flags & flBandPrintIfSubsetEmpty;
            band->BreakAfter = (view->Flags & flBandNewPageAfter) && !Skip;
            band->MayBreak = (view->Flags & flBandBreaked) && !Skip;
            auto inBand = [band](const TfrView& v) { return v.y >= band->Y && v.y <= band->Y + band->DY; };
            auto join = [band](TfrView& v) {
                v.y -= band->Y;
                v.Selected = false;
                band->Objects.append(&v);
            };
            for (const auto& view : RunViews) {
                if (view->Selected && view->Parent == nullptr && view->ObjectType != gtSubReport && inBand(*view)) {
                    view->Parent = band;
                    join(*view);
                }
            }
            for (const auto& view : RunViews) {
                if (view->Selected && IsCrossBand(view->Parent) && inBand(*view))
                    join(*view);
            }
            for (const auto& view : RunViews) {
                if (view->Selected && view->Parent == nullptr && view->ObjectType == gtSubReport && inBand(*view)) {
                    view->Parent = band;
                    join(*view);
                }
            }
        }
        if (chain.empty())
            continue;
        // Bands of a type print top to bottom; equal tops keep the template's order.
        std::stable_sort(chain.begin(), chain.end(), [](const TfrBand* a, const TfrBand* b) { return a->Y < b->Y; });
        for (size_t i = 0; i < chain.size(); ++i) {
            chain[i]->Prev = i > 0 ? chain[i - 1] : nullptr;
            chain[i]->Next = i + 1 < chain.size() ? chain[i + 1] : nullptr;
        }
        Bands[type] = chain.front();
        Bands[type]->ChainEnd = chain.back();
    }

    TfrBand& none = *Bands[btNone];
    none.Y = 0;
    for (const auto& view : RunViews) {
        if (view->Selected) {
            view->Parent = &none;
            none.Objects.append(view.get());
        }
    }

    LinkHeadersAndFooters();

    TfrBand* crossData = Bands[btCrossData];
    if (BandHasObjects(crossData) && crossData->View != nullptr && crossData->View->FormatStr.contains(QLatin1Char(';'))) {
        // "band name=data set name;" entries give single bands their own columns.
        const QStringList entries = crossData->View->FormatStr.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (const QString& entry : entries) {
            const int eq = entry.indexOf(QLatin1Char('='));
            if (eq < 0)
                continue;
            const QString bandName = entry.left(eq).trimmed();
            const QString dataSetName = entry.mid(eq + 1).trimmed();
            for (uint8_t type = btMasterHeader; type <= btGroupFooter; ++type) {
                for (TfrBand* band = Bands[type]; band != nullptr; band = band->Next) {
                    if (band->View == nullptr || !frSameName(band->View->Name, bandName))
                        continue;
                    TfrBand::ReleaseDataSet(band->ColumnDataSet, band->OwnsColumnDataSet);
                    frResolveDataSet(dataSetName, band->ColumnDataSet, band->OwnsColumnDataSet);
                }
            }
        }
    }

    if (Columns == 0)
        Columns = 1;
    ColumnWidth = (RightMargin() - LeftMargin()) / Columns;
}

void TfrPage::LinkHeadersAndFooters()
{
    for (const Level& level : kLevels) {
        for (TfrBand* header = Bands[level.header]; header != nullptr; header = header->Next) {
            if (header->View == nullptr)
                continue;
            for (TfrBand* data = Bands[level.data]; data != nullptr; data = data->Next) {
                if (data->View != nullptr && data->Y > header->Y + header->DY) {
                    if (data->HeaderBand == nullptr)
                        data->HeaderBand = header;
                    break;
                }
            }
        }
        for (TfrBand* footer = Bands[level.footer]; footer != nullptr; footer = footer->Next) {
            if (footer->View == nullptr)
                continue;
            TfrBand* last = nullptr;
            for (TfrBand* data = Bands[level.data]; data != nullptr; data = data->Next) {
                if (data->View != nullptr && data->Y + data->DY <= footer->Y)
                    last = data;
            }
            if (last != nullptr && last->FooterBand == nullptr)
                last->FooterBand = footer;
        }
        // A band without data of its own prints with the record of the data band above it: a footer
        // below the pair belongs to that one, which is the band the loop walks.
        for (TfrBand* data = Bands[level.data]; data != nullptr; data = data->Next) {
            if (data->DataSet != nullptr || data->FooterBand == nullptr)
                continue;
            TfrBand* head = data->Prev;
            while (head != nullptr && head->DataSet == nullptr)
                head = head->Prev;
            if (head != nullptr && head->FooterBand == nullptr) {
                head->FooterBand = data->FooterBand;
                data->FooterBand = nullptr;
            }
        }
    }
    // The innermost group header pairs with the first group footer.
    TfrBand* header = Bands[btGroupHeader] != nullptr ? Bands[btGroupHeader]->ChainEnd : nullptr;
    TfrBand* footer = Bands[btGroupFooter];
    if (header == nullptr || Bands[btGroupHeader]->View == nullptr || footer == nullptr || footer->View == nullptr)
        return;
    for (; header != nullptr && footer != nullptr; header = header->Prev, footer = footer->Next)
        header->FooterBand = footer;
}

void TfrPage::PrepareObjects()
{
    for (const auto& view : RunViews) {
        if (view->Memo.Count() == 0)
            continue;
        const QString line = view->Memo[0];
        if (line.size() < 3 || line[0] != QLatin1Char('['))
            continue;
        const int close = line.lastIndexOf(QLatin1Char(']'));
        if (close < 1)
            continue;
        const QString name = line.mid(1, close - 1);
        view->DataSet = nullptr;
        view->DataField.clear();
        const TfrValue* value = frCurrentReport != nullptr ? frCurrentReport->Values.FindVariable(name) : nullptr;
        if (value != nullptr) {
            if (value->Typ == TfrValue::vtDBField && value->DSet_ != nullptr) {
                view->DataSet = value->DSet_;
                view->DataField = value->Field;
            }
            continue;
        }
        // A name of no value may be a field: of a named data set, or of the one feeding the view's band.
        TfrBand* keptBand = frCurrentBand;
        try {
            frCurrentBand = view->Parent;
            TDataSet* dataSet = frCurrentBandDataSet();
            TField* field = nullptr;
            frGetDataSetAndField(name, dataSet, field);
            if (field != nullptr) {
                view->DataSet = field->DataSet();
                view->DataField = field->FieldName();
            }
        } catch (const std::exception&) {
            // no such data set: the view stays unbound and shows its expression
        }
        frCurrentBand = keptBand;
    }
}

void TfrPage::ShowBand(TfrBand* band)
{
    if (band == nullptr)
        return;
    if (Mode == 1) {
        RecordStep(band, skPrintBand);
        // A group of a sub-report starts with the record that is current now.
        if (band->BandType == btGroupHeader && !band->GroupCondition.isEmpty() && frGlobalParser != nullptr) {
            TfrBand* keptBand = frCurrentBand;
            frCurrentBand = band;
            band->GroupStartValue = frGlobalParser->Calc(band->GroupCondition);
            frCurrentBand = keptBand;
        }
        return;
    }
    if (!Skip && !PageFormed() && BandHasObjects(band)) {
        // A manual build may show a band before it asks for a page: the band starts one as NewPage
        // would, which shows the overlay and the headers itself.
        NewPage();
        if (band->BandType == btOverlay || band->BandType == btPageHeader || band->BandType == btColumnHeader)
            return;
    }
    band->Draw();
}

bool TfrPage::PageFormed() const
{
    return frMasterReport != nullptr && frCurrentPageNo < PreparedPages().Count();
}

void TfrPage::FormPage()
{
    frCurrentPage = this;
    TfrEMFPages& pages = PreparedPages();
    if (Mode == 0) {
        if (frAppendPage && frPrevY == frPrevBottomY) {
            // the previous page is full: nothing more goes onto it
            frAppendPage = false;
            frLastFooterPrinted = false;
            frCurrentPageNo = pages.Count();
        }
        BottomLimitY = frAppendPage && frLastFooterPrinted ? frPrevBottomY : BottomMargin();
        ActiveColumn = 0;
        ColumnX = LeftMargin();
        if (frAppendPage) {
            NextY = frPrevY;
            PageHasContent = true;
        } else {
            pages.Add(*this);
            PageHasContent = false;
            NextY = TopMargin();
            ShowBand(Bands[btOverlay]);
            ShowBand(Bands[btNone]);
        }
        const int pageCount = pages.Count();
        ShowBand(Bands[btReportTitle]);
        if (pages.Count() == pageCount) {
            if (BandHasObjects(Bands[btPageHeader]) && (Bands[btPageHeader]->Flags & flBandOnFirstPage))
                ShowBand(Bands[btPageHeader]);
            ShowBand(Bands[btColumnHeader]);
        }
    }
    maxLevel_ = 0;
    for (int level = 3; level >= 1; --level) {
        if (BandHasObjects(Bands[kLevels[level - 1].data])) {
            maxLevel_ = level;
            break;
        }
    }
    hasGroups_ = BandHasObjects(Bands[btGroupHeader]);
    pending_.clear();
    DoLoop(1);
    if (Mode == 0) {
        ShowColumnFooter();
        ShowBand(Bands[btReportSummary]);
        frPrevY = ActiveColumn > 0 ? BottomMargin() : NextY;
        frPrevBottomY = BottomLimitY;
        if (BreakPending) {
            // the last band asked for a new page: a page that continues here starts one instead
            BreakPending = false;
            frPrevY = frPrevBottomY;
        }
        ActiveColumn = 0;
        ColumnX = LeftMargin();
        const int pageNo = frCurrentPageNo;
        if (Bands[btPageFooter]->Flags & flBandOnLastPage) {
            frLastFooterPrinted = BandHasObjects(Bands[btPageFooter]);
            if (frLastFooterPrinted)
                FinishPages();
        }
        frCurrentPageNo = pageNo + 1;
    }
}

void TfrPage::ShowStack()
{
    const std::vector<TfrBand*> bands = pending_;
    pending_.clear();
    for (TfrBand* band : bands) {
        if (BandHasObjects(band))
            ShowBand(band);
    }
}

void TfrPage::ShowGroupHeaders(TfrBand* from)
{
    for (TfrBand* group = from; group != nullptr; group = group->Next) {
        ++group->LocalPosition;
        ++group->GlobalPosition;
        ShowBand(group);
    }
}

void TfrPage::ProcessGroups(TfrBand* dataBand)
{
    const bool atEnd = dataBand->DataSet->Eof();
    TfrBand* changed = nullptr;
    for (TfrBand* group = Bands[btGroupHeader]; group != nullptr; group = group->Next) {
        if (atEnd) {
            changed = group;
            break;
        }
        TfrBand* keptBand = frCurrentBand;
        frCurrentBand = group;
        const Variant value = group->GroupCondition.isEmpty() ? Variant() : frGlobalParser->Calc(group->GroupCondition);
        frCurrentBand = keptBand;
        if (!SameGroupValue(value, group->GroupStartValue)) {
            changed = group;
            break;
        }
    }
    if (changed == nullptr)
        return;
    ShowBand(dataBand->FooterBand);
    for (TfrBand* group = Bands[btGroupHeader]->ChainEnd; group != nullptr && group != changed; group = group->Prev) {
        ShowBand(group->FooterBand);
        group->LocalPosition = 0;
    }
    ShowBand(changed->FooterBand);
    if (atEnd)
        return;
    if (changed->BreakAfter)
        NewPage();
    ShowGroupHeaders(changed);
    ShowBand(dataBand->HeaderBand);
    dataBand->LocalPosition = 0;
}

void TfrPage::DoLoop(int level)
{
    for (TfrBand* band = Bands[kLevels[level - 1].data]; band != nullptr; band = band->Next) {
        TfrDataset* data = band->DataSet;
        if (data == nullptr)
            continue;
        data->First();
        if (Mode == 1)
            RecordStep(band, skFirst);
        else
            band->LocalPosition = 1;
        for (TfrBand* group = Bands[btGroupHeader]; group != nullptr; group = group->Next)
            group->LocalPosition = group->GlobalPosition = 0;
        const bool groups = level == 1 && hasGroups_ && !data->Eof();
        if (groups)
            ShowGroupHeaders(Bands[btGroupHeader]);
        const size_t base = pending_.size();
        if (band->HeaderBand != nullptr && !data->Eof())
            pending_.push_back(band->HeaderBand);
        // also for an empty list: its footer shows what it counted, not what other lists left there
        if (band->FooterBand != nullptr)
            band->FooterBand->InitValues();
        while (!frBuildCancelled()) {
            if (data->Eof())
                break;
            frProcessMessages();
            if (frBuildCancelled())
                break;
            pending_.push_back(band);
            bool wasPrinted = true;
            if (maxLevel_ > level) {
                DoLoop(level + 1);
                if (!pending_.empty()) {
                    // the detail printed nothing for this record
                    if (!band->ShowWithoutDetail) {
                        pending_.pop_back();
                        wasPrinted = false;
                    } else {
                        ShowStack();
                    }
                }
            } else {
                ShowStack();
            }
            data->Next();
            if (groups)
                ProcessGroups(band);
            if (Mode == 1) {
                RecordStep(band, skNext);
            } else if (wasPrinted) {
                ++RecordCounter;
                ++band->GlobalPosition;
                ++band->LocalPosition;
                if (!data->Eof() && band->BreakAfter) {
                    // as a page break asked for before a band: the headers that repeat come again
                    ActiveColumn = Columns - 1;
                    NewColumn(band);
                }
            }
        }
        // Nothing waiting for a record means that all before it has printed, or that there was nothing
        // to print: an empty list shows its footer too. Otherwise only this band's own header is
        // dropped; a band without a header pushed nothing, and what waits belongs to the level above.
        if (pending_.empty()) {
            // with groups the last group change has printed the footer already
            if (!groups)
                ShowBand(band->FooterBand);
        } else if (pending_.size() > base) {
            pending_.resize(base);
        }
    }
}

void TfrPage::ShowColumnFooter()
{
    // It closes the column where it is: moving it to a new column would close that one again.
    const bool keptStarting = StartingPage;
    StartingPage = true;
    ShowBand(Bands[btColumnFooter]);
    StartingPage = keptStarting;
}

void TfrPage::NewPage()
{
    if (Mode == 1 || Skip)
        return;
    if (frCurrentReport != nullptr)
        frCurrentReport->UpdateProgress(frCurrentPageNo + 1);
    if (PageFormed())  // a column that never began has nothing to close
        ShowColumnFooter();
    FinishPages();
    BottomLimitY = BottomMargin();
    PreparedPages().Add(*this);
    frAppendPage = false;
    PageHasContent = BreakPending = false;
    const bool keptStarting = StartingPage;
    StartingPage = true;
    ShowBand(Bands[btOverlay]);
    NextY = TopMargin();
    ShowBand(Bands[btPageHeader]);
    ShowBand(Bands[btColumnHeader]);
    StartingPage = keptStarting;
}

void TfrPage::NewColumn(TfrBand* band)
{
    // A sub-report runs inside another page's band: it cannot start pages or columns of its own.
    if (Mode == 1 || Skip)
        return;
    if (ActiveColumn < Columns - 1) {
        ShowColumnFooter();
        ++ActiveColumn;
        ColumnX += ColumnWidth + ColumnSpacing;
        NextY = ColumnTopY;
        PageHasContent = false;
        const bool keptStarting = StartingPage;
        StartingPage = true;
        ShowBand(Bands[btColumnHeader]);
        StartingPage = keptStarting;
    } else {
        NewPage();
    }
    const bool keptStarting = StartingPage;
    StartingPage = true;
    for (TfrBand* group = Bands[btGroupHeader]; group != nullptr && group != band; group = group->Next) {
        if (group->View != nullptr && (group->Flags & flBandRepeatHeader)) {
            group->KeepTotals = true;
            ShowBand(group);
            group->KeepTotals = false;
        }
    }
    if (band != nullptr && frIsDataBand(band->BandType) && band->HeaderBand != nullptr &&
        (band->HeaderBand->Flags & flBandRepeatHeader))
        ShowBand(band->HeaderBand);
    StartingPage = keptStarting;
}

void TfrPage::FinishPages()
{
    ActiveColumn = 0;
    ColumnX = LeftMargin();
    TfrEMFPages& pages = PreparedPages();
    TfrBand* footer = Bands[btPageFooter];
    if (frCurrentPageNo == 0 && !(footer->Flags & flBandOnFirstPage)) {
        frCurrentPageNo = pages.Count();
        return;
    }
    while (frCurrentPageNo < pages.Count()) {
        if (!(frAppendPage && frLastFooterPrinted)) {
            if (frCurrentReport != nullptr && frCurrentReport->OnEndPage)
                frCurrentReport->OnEndPage(frCurrentPageNo);
            if (frMasterReport != frCurrentReport && frMasterReport->OnEndPage)
                frMasterReport->OnEndPage(frCurrentPageNo);
            ShowBand(footer);
        }
        ++frCurrentPageNo;
    }
    frCurrentPageNo = pages.Count();
}

void TfrPage::DoAggregate(std::initializer_list<uint8_t> bandTypes)
{
    for (uint8_t type : bandTypes) {
        for (TfrBand* band = Bands[type]; band != nullptr; band = band->Next)
            band->DoAggregate();
    }
}

int TfrPage::TopMargin() const
{
    if (!ApplyMargins)
        return 0;
    return Margins.Top != 0 ? Margins.Top : PageInfo.OffsetY;
}

int TfrPage::LeftMargin() const
{
    if (!ApplyMargins)
        return 0;
    return Margins.Left != 0 ? Margins.Left : PageInfo.OffsetX;
}

int TfrPage::RightMargin() const
{
    if (!ApplyMargins)
        return PageInfo.PageWidth;
    return Margins.Right != 0 ? PageInfo.PageWidth - Margins.Right : PageInfo.OffsetX + PageInfo.PrintableWidth;
}

int TfrPage::BottomMargin() const
{
    int bottom;
    if (!ApplyMargins)
        bottom = PageInfo.PageHeight;
    else if (Margins.Bottom != 0)
        bottom = PageInfo.PageHeight - Margins.Bottom;
    else
        bottom = PageInfo.OffsetY + PageInfo.PrintableHeight;
    if (frBuildingFlag && BandHasObjects(Bands[btPageFooter]))
        bottom -= Bands[btPageFooter]->DY;
    return bottom;
}

bool TfrPage::PlayRecList()
{
    while (NextStep < static_cast<int>(List.size())) {
        const TfrRecordedStep step = List[static_cast<size_t>(NextStep)];
        TfrBand* band = step.Band;
        switch (step.Kind) {
        case skPrintBand:
            if (WaitingBand != nullptr) {
                WaitingBand->DrawSubReports();
                if (WaitingBand != nullptr)
                    return true;
            } else if (band->Draw()) {
                return true;
            }
            break;
        case skFirst:
            if (band->DataSet != nullptr)
                band->DataSet->First();
            band->LocalPosition = 1;
            break;
        case skNext:
            if (band->DataSet != nullptr)
                band->DataSet->Next();
            ++RecordCounter;
            ++band->GlobalPosition;
            ++band->LocalPosition;
            break;
        }
        ++NextStep;
        if (frBuildCancelled())
            return false;
    }
    return false;
}

void TfrPage::ClearRecList()
{
    List.clear();
    NextStep = 0;
}

void TfrPage::RecordStep(TfrBand* band, TfrStepKind kind)
{
    List.push_back({band, kind});
}

bool TfrPage::BandHasObjects(const TfrBand* band) const
{
    return band != nullptr && !band->Objects.isEmpty();
}
