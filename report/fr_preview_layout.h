#pragma once

#include "base/canvas.h"
#include "report/fr_prntr.h"

#include <QSize>
#include <QString>

#include <vector>

// Where the preview puts its pages: the zoom, the pages per row, each page's rectangle in page-box
// coordinates (before scrolling) and the scroll ranges. Pure arithmetic on the pages' sizes in page
// units and the page box's size.

enum TfrZoomMode { zmFixed = 0, zmPageWidth = 1, zmWholePage = 2, zmTwoPages = 3 };

// The scale a zoom mode gives for the current page's width and height; a fixed zoom keeps `scale`.
double frZoomScale(int zoomMode, double scale, int boxWidth, int boxHeight, QSize currentPage);
// "75%": the scale as a rounded percentage.
QString frZoomCaption(double scale);
int frPagesPerRow(const std::vector<QSize>& pages, double scale, int boxWidth, int zoomMode);

struct TfrPageLayout {
    double Scale = 1;
    int PagesPerRow = 1;
    std::vector<TRect> R;
    int MaxX = 0;
    int MaxY = 0;
    int HRange = 0;  // scroll bar maxima; 0 disables the bar
    int VRange = 0;
};

TfrPageLayout frLayoutPages(const std::vector<QSize>& pages, int currentPage, int zoomMode, double scale,
                            int boxWidth, int boxHeight);

// The page under the line just below the top edge when the box is scrolled to `position`, or -1.
int frPageAtScroll(const std::vector<TRect>& r, int position);

// Where a page's drawing goes inside its white sheet: the printable area, unless the page used its
// margins, which places it on the whole sheet.
TRect frPageContentRect(const TRect& sheet, const TfrPrinterInfo& info, bool applyMargins, double scale);
