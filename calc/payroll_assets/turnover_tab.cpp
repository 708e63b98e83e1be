#include "calc/payroll_assets/turnover_tab.h"

#include "app/main_window.h"

void InstallTurnoverTab(TForm1&)
{
}
