#pragma once

#include "report/fr_view.h"

// Band types kept in a band view's FrameTyp.
enum TfrBandType : uint8_t {
    btReportTitle = 0,
    btReportSummary = 1,
    btPageHeader = 2,
    btPageFooter = 3,
    btMasterHeader = 4,
    btMasterData = 5,
    btMasterFooter = 6,
    btDetailHeader = 7,
    btDetailData = 8,
    btDetailFooter = 9,
    btSubDetailHeader = 10,
    btSubDetailData = 11,
    btSubDetailFooter = 12,
    btOverlay = 13,
    btColumnHeader = 14,
    btColumnFooter = 15,
    btGroupHeader = 16,
    btGroupFooter = 17,
    btCrossHeader = 18,
    btCrossData = 19,
    btCrossFooter = 20,
    btNone = 21,
};

// The bands printed once for each record of a data set.
constexpr bool frIsDataBand(uint8_t type)
{
    return type == btMasterData || type == btDetailData || type == btSubDetailData;
}

// Band option bits of a band view's Flags.
constexpr uint16_t flBandNewPageAfter = 2;
constexpr uint16_t flBandPrintIfSubsetEmpty = 4;
constexpr uint16_t flBandBreaked = 8;
constexpr uint16_t flBandOnFirstPage = 16;
constexpr uint16_t flBandOnLastPage = 32;
constexpr uint16_t flBandRepeatHeader = 64;

// Marks a strip of a template page and what kind of band it is; the report's building turns it into a
// run-time band, so it is never drawn itself.
class TfrBandView : public TfrView {
public:
    TfrBandView();
    QString ClassName() const override { return QStringLiteral("TfrBandView"); }
    void Draw(TCanvas&) override {}

    TfrBandType BandType() const { return static_cast<TfrBandType>(FrameTyp & 0xFF); }
};
