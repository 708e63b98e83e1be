// DEV SHIM - never land
#include "report/fr_report.h"
#include "base/string_list.h"
#include "report/fr_picture_view.h"
void TfrReport::GetVariableValue(const QString& e, QString& t) { t = "<" + e + ">"; }
void TfrReport::DoEnterRect(TStringList& m, TfrView* v) { if (OnEnterRect) OnEnterRect(m, v); }
void TfrReport::DoExportData(TfrView*) {}
void TfrReport::DoExportText(int, int, const QString&, TfrView*) {}
bool TfrReport::HasEnterRectHandler() const { return bool(OnEnterRect); }
void TfrPictureView::LoadFromBlob(TField*) {}
#include "report/fr_globals.h"
void frInitEngine() { if (!frScratchMemo) frScratchMemo = new TStringList; frEngineMode = 1; }
