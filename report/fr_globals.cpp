#include "report/fr_globals.h"

#include "base/string_list.h"
#include "report/fr_functions.h"
#include "report/fr_interpretator.h"
#include "report/fr_pages.h"
#include "report/fr_progr.h"
#include "report/fr_report.h"
#include "report/fr_view.h"
#include "report/fr_pars.h"
#include "report/fr_strings.h"
#include "report/fr_values.h"

#include <QApplication>

TfrReport* frCurrentReport = nullptr;
TfrReport* frMasterReport = nullptr;
TfrPage* frCurrentPage = nullptr;
TfrBand* frCurrentBand = nullptr;
TfrBand* frAggregateBand = nullptr;
TfrView* frCurrentView = nullptr;
int frCurrentPageNo = 0;
int frTotalPages = 0;
TDateTime frDate = 0;
TDateTime frTime = 0;
bool frBuildingFlag = false;
bool frMeasureOnly = false;
bool frAppendPage = false;
bool frLastFooterPrinted = false;
bool frAppendNextReport = false;
int frPrevY = 0;
int frPrevBottomY = 0;
bool frErrorFlag = false;
QString frErrorText;
bool frDrawingCross = false;
int frEngineMode = 0;
uint8_t frDefaultCharset = 0;
QList<TfrView*> frListeningViews;
QString frCurrentVariable;
Variant frCurrentValue;

TfrParser* frGlobalParser = nullptr;
TfrInterpretator* frGlobalInterpreter = nullptr;
TfrVariables* frGlobalVariables = nullptr;
TfrCompressor* frGlobalCompressor = nullptr;
TStringList* frScratchMemo = nullptr;
QImage* frMeasureBitmap = nullptr;
QImage* frBandBrush = nullptr;
TfrProgressForm* frProgressForm = nullptr;
QStringList frBandTypeNames;
QStringList frBoolFormats;
QStringList frStartUpTexts;
QStringList frDateFormats;
QStringList frTimeFormats;

namespace {

bool engineStarted = false;

QStringList LoadNames(int first, int last)
{
    QStringList names;
    for (int id = first; id <= last; ++id)
        names << frLoadStr(id);
    return names;
}

}  // namespace

bool frEngineStarted()
{
    return engineStarted;
}

void frInitEngine()
{
    if (engineStarted)
        return;
    engineStarted = true;
    // a memo wrapped before the engine started has made the list already
    if (frScratchMemo == nullptr)
        frScratchMemo = new TStringList;
    frBandBrush = new QImage(8, 8, QImage::Format_RGB32);
    frMeasureBitmap = new QImage(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x)
            frBandBrush->setPixel(x, y, (x + y) % 2 == 0 ? 0xFFFFFFFF : 0xFFC0C0C0);
    }
    frMeasureBitmap->fill(Qt::white);
    frRegisterFunctionLibrary<TfrStdFunctionLibrary>();
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr)
        frGetProgressForm();
    frDefaultCharset = static_cast<uint8_t>(frLoadStr(frRes_DefaultCharset).toInt());
    frBandTypeNames = LoadNames(frRes_FirstBandTypeName, frRes_FirstBandTypeName + 21);
    frStartUpTexts = LoadNames(frRes_FirstUnusedName, frRes_FirstUnusedName + 8);
    frBoolFormats = LoadNames(frRes_FirstBoolFormat, frRes_FirstBoolFormat + 3);
    frDateFormats = LoadNames(frRes_FirstDateFormat, frRes_FirstDateFormat + 3);
    frTimeFormats = LoadNames(frRes_FirstTimeFormat, frRes_FirstTimeFormat + 3);
    frGlobalParser = new TfrParser;
    frGlobalInterpreter = new TInterpretator;
    frGlobalVariables = new TfrVariables;
    frGlobalCompressor = new TfrCompressor;
    frListeningViews.clear();
    // The views reach the report's lookup and the page's bands through these.
    frFindReportObject = [](const QString& name) {
        return frCurrentReport != nullptr ? frCurrentReport->FindObject(name) : nullptr;
    };
    frPageBandOfType = [](TfrPage* page, uint8_t bandType) {
        return page != nullptr && bandType < 22 ? page->Bands[bandType] : nullptr;
    };
    if (QCoreApplication::instance() != nullptr)
        qAddPostRoutine(frDoneEngine);
}

void frDoneEngine()
{
    if (!engineStarted)
        return;
    engineStarted = false;
    delete frBandBrush;
    delete frMeasureBitmap;
    delete frScratchMemo;
    delete frProgressForm;
    frProgressForm = nullptr;
    frBandBrush = frMeasureBitmap = nullptr;
    frScratchMemo = nullptr;
    frFunctionLibraries.clear();
    delete frGlobalParser;
    delete frGlobalInterpreter;
    delete frGlobalVariables;
    delete frGlobalCompressor;
    frGlobalParser = nullptr;
    frGlobalInterpreter = nullptr;
    frGlobalVariables = nullptr;
    frGlobalCompressor = nullptr;
    frListeningViews.clear();
    frBandTypeNames.clear();
    frStartUpTexts.clear();
    frBoolFormats.clear();
    frDateFormats.clear();
    frTimeFormats.clear();
}

bool frBuildCancelled()
{
    return frMasterReport != nullptr && frMasterReport->Terminated;
}
