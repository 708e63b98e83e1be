#include "report/fr_preview_layout.h"

#include "base/numbers.h"

#include <algorithm>

namespace {
int Scaled(int units, double scale)
{
    return static_cast<int>(Round(static_cast<long double>(units) * scale));
}
}  // namespace

double frZoomScale(int zoomMode, double scale, int boxWidth, int boxHeight, QSize currentPage)
{
    const int pw = currentPage.width();
    const int ph = currentPage.height();
    switch (zoomMode) {
    case zmPageWidth:
        return pw > 0 ? (boxWidth - 20) / static_cast<double>(pw) : scale;
    case zmWholePage:
        return ph > 0 ? (boxHeight - 20) / static_cast<double>(ph) : scale;
    case zmTwoPages:
        return pw > 0 ? (boxWidth - 30) / (2.0 * pw) : scale;
    default:
        return scale;
    }
}

QString frZoomCaption(double scale)
{
    return QString::number(Round(static_cast<long double>(scale) * 100)) + "%";
}

int frPagesPerRow(const std::vector<QSize>& pages, double scale, int boxWidth, int zoomMode)
{
    int x = 10;
    int run = 0;
    int n = 0;
    for (size_t i = 0; i < pages.size(); ++i) {
        const int next = Scaled(pages[i].width(), scale) + x + 10;
        if (next <= boxWidth) {
            x = next;
            ++run;
            if (i + 1 == pages.size())
                n = std::max(n, run);
        } else {
            // the page that does not fit starts no new run
            n = std::max(n, run);
            run = 0;
            x = 10;
        }
    }
    if (n == 0)
        n = 1;
    if (zoomMode == zmWholePage)
        n = 1;
    else if (zoomMode == zmTwoPages)
        n = 2;
    return n;
}

TfrPageLayout frLayoutPages(const std::vector<QSize>& pages, int currentPage, int zoomMode, double scale,
                            int boxWidth, int boxHeight)
{
    TfrPageLayout l;
    l.Scale = scale;
    if (pages.empty())
        return l;
    const QSize current = pages.at(static_cast<size_t>(std::clamp(currentPage, 0, int(pages.size()) - 1)));
    l.Scale = frZoomScale(zoomMode, scale, boxWidth, boxHeight, current);
    l.PagesPerRow = frPagesPerRow(pages, l.Scale, boxWidth, zoomMode);
    const int n = l.PagesPerRow;
    int y = 10;
    for (size_t first = 0; first < pages.size(); first += static_cast<size_t>(n)) {
        int x = 10;
        int rowHeight = 0;
        for (size_t i = first; i < std::min(pages.size(), first + static_cast<size_t>(n)); ++i) {
            const int w = Scaled(pages[i].width(), l.Scale);
            const int h = Scaled(pages[i].height(), l.Scale);
            const int left = n == 1 && boxWidth > w ? (boxWidth - w) / 2 : x;
            l.R.push_back(TRect{left, y, left + w, y + h});
            x += w + 10;
            rowHeight = std::max(rowHeight, h);
            l.MaxX = std::max(l.MaxX, left + w);
            l.MaxY = std::max(l.MaxY, y + h);
        }
        y += rowHeight + 10;
    }
    const int h = l.MaxX - boxWidth;
    const int v = l.MaxY - boxHeight;
    l.HRange = h >= 0 ? h + 10 : 0;
    l.VRange = v >= 0 ? v + 10 : 0;
    return l;
}

int frPageAtScroll(const std::vector<TRect>& r, int position)
{
    for (size_t i = 0; i < r.size(); ++i)
        if (r[i].Top < 11 + position && r[i].Bottom > 11 + position)
            return static_cast<int>(i);
    return -1;
}

TRect frPageContentRect(const TRect& sheet, const TfrPrinterInfo& info, bool applyMargins, double scale)
{
    if (applyMargins)
        return sheet;
    const int left = sheet.Left + Scaled(info.OffsetX, scale);
    const int top = sheet.Top + Scaled(info.OffsetY, scale);
    return TRect{left, top, left + Scaled(info.PrintableWidth, scale), top + Scaled(info.PrintableHeight, scale)};
}
