#include "calc/payroll_assets/payroll_tab.h"

#include "app/main_window.h"

void InstallPayrollTab(TForm1&)
{
}
