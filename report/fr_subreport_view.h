#pragma once

#include "report/fr_view.h"

// Prints another template page inside the band that holds it.
class TfrSubReportView : public TfrView {
public:
    TfrSubReportView();
    QString ClassName() const override { return QStringLiteral("TfrSubReportView"); }
    void Assign(const TfrView& source) override;
    void Draw(TCanvas& canvas) override;
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;

    int PageIndex = 0;
};
