#pragma once

#include <QFlags>
#include <QString>

#include <functional>

class TfrBand;
class TfrPage;
class TfrView;
class TStringList;
class Variant;

// Settings of the report component.
enum TfrPreviewZoom { pzDefault, pzPageWidth, pzOnePage, pzTwoPages };

enum TfrPreviewButton {
    pbZoom = 0x01,
    pbLoad = 0x02,
    pbSave = 0x04,
    pbPrint = 0x08,
    pbFind = 0x10,
    pbHelp = 0x20,
    pbExit = 0x40,
};
Q_DECLARE_FLAGS(TfrPreviewButtons, TfrPreviewButton)
Q_DECLARE_OPERATORS_FOR_FLAGS(TfrPreviewButtons)
constexpr TfrPreviewButtons frAllPreviewButtons{pbZoom | pbLoad | pbSave | pbPrint | pbFind | pbHelp | pbExit};

enum TfrReportType { rtSimple, rtMultiple };

// The report's events; an empty one is not called.
using TfrNotifyEvent = std::function<void()>;
using TfrPageEvent = std::function<void(int pgNo)>;
using TfrBandEvent = std::function<void(TfrBand* band)>;
using TfrGetValueEvent = std::function<void(const QString& parName, Variant& parValue)>;
using TfrEnterRectEvent = std::function<void(TStringList& memo, TfrView* view)>;
using TfrUserFunctionEvent = std::function<void(const QString& name, const Variant& p1, const Variant& p2,
                                                const Variant& p3, QString& val)>;
using TfrProgressEvent = std::function<void(int n)>;
using TfrPrintColumnEvent = std::function<void(int colNo, int& width)>;
using TfrManualBuildEvent = std::function<void(TfrPage* page)>;
