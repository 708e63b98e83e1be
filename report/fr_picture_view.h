#pragma once

#include "base/picture.h"
#include "report/fr_view.h"

// Picture Flags: stretched to the view, centred, aspect ratio kept (only when stretched).
constexpr uint16_t flPictStretched = 1;
constexpr uint16_t flPictCenter = 2;
constexpr uint16_t flPictRatio = 4;

class TfrPictureView : public TfrView {
public:
    TfrPictureView();
    QString ClassName() const override { return QStringLiteral("TfrPictureView"); }
    void Assign(const TfrView& source) override;
    void LoadFromBlob(TField* field) override;
    void Draw(TCanvas& canvas) override;
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;

    // The rectangle the graphic is drawn into, from InnerRect after CalcGaps.
    TRect PictureRect() const;

    TPicture Picture;
};
