#pragma once

#include "report/fr_view.h"

// A line along the left edge (vertical) or the top edge (horizontal) of its rectangle, drawn with the
// frame settings.
class TfrLineView : public TfrView {
public:
    TfrLineView();
    QString ClassName() const override { return QStringLiteral("TfrLineView"); }
    void Draw(TCanvas& canvas) override;
    QRegion GetClipRgn(bool extended) override;
};
