#pragma once

#include <QString>

class TfrView;

// Receives the views and memo text lines of the prepared pages during an export. No filter is
// registered in this program; the report hands its output over when one is active.
class TfrExportFilter {
public:
    virtual ~TfrExportFilter() = default;
    virtual void OnData(int x, int y, TfrView* view) = 0;
    virtual void OnText(int x, int y, const QString& text, TfrView* view) = 0;
};
