#include "calc/payroll_assets/depreciation_tab.h"

#include "app/main_window.h"

void InstallDepreciationTab(TForm1&)
{
}
