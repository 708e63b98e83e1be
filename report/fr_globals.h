#pragma once

#include "base/date_time.h"
#include "base/variant.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>

class TfrBand;
class TfrCompressor;
class TfrPage;
class TfrParser;
class TfrProgressForm;
class TfrReport;
class TfrVariables;
class TfrView;
class TfrInterpretator;
class TStringList;

// Engine state shared by the parser handlers, the interpreter, the views and the building code.

extern TfrReport* frCurrentReport;   // the report being built or read (its events fire)
extern TfrReport* frMasterReport;    // the outermost report; receives the pages, is polled for cancel
// True once the outermost report's build or print run was cancelled.
bool frBuildCancelled();
extern TfrPage* frCurrentPage;       // template page whose bands print
extern TfrBand* frCurrentBand;       // band being printed
extern TfrBand* frAggregateBand;     // band whose values the aggregate functions accumulate into
extern TfrView* frCurrentView;       // view being printed or evaluated
extern int frCurrentPageNo;          // prepared page being filled, from 0
extern int frTotalPages;             // page count of the counting pass
extern TDateTime frDate;             // stamped when preparation starts
extern TDateTime frTime;
extern bool frBuildingFlag;
extern bool frMeasureOnly;           // counting pass: measure, write nothing
extern bool frAppendPage;
extern bool frLastFooterPrinted;
extern bool frAppendNextReport;
extern int frPrevY;
extern int frPrevBottomY;
extern bool frErrorFlag;
extern QString frErrorText;
extern bool frDrawingCross;          // a cross band prints
extern int frEngineMode;             // 0 design, 1 printing
extern uint8_t frDefaultCharset;
extern QList<TfrView*> frListeningViews;  // views told of every printed memo

// The memo expression being displayed: its text, and its value (the name "VALUE").
extern QString frCurrentVariable;
extern Variant frCurrentValue;

// Made at start-up, freed at shut-down.
extern TfrParser* frGlobalParser;
extern TfrInterpretator* frGlobalInterpreter;  // a TInterpretator
extern TfrVariables* frGlobalVariables;
extern TfrCompressor* frGlobalCompressor;
extern TStringList* frScratchMemo;   // a memo's wrapped lines; also the script compiler's unread errors
extern QImage* frMeasureBitmap;
extern QImage* frBandBrush;          // 8 x 8 white and silver checkerboard
extern TfrProgressForm* frProgressForm;
extern QStringList frBandTypeNames;  // by band type 0..21
extern QStringList frBoolFormats;    // "False;True" texts, format indexes 0..3
extern QStringList frDateFormats;
extern QStringList frTimeFormats;
extern QStringList frStartUpTexts;   // the nine texts of resources 55110..55118 (empty); nothing reads them

// Start-up in the engine's order; does nothing when the engine already runs. Shut-down is
// registered to run when the application object goes away, and may be called earlier.
void frInitEngine();
void frDoneEngine();
bool frEngineStarted();
