#include "calc/payroll_assets/severance_tab.h"

#include "app/main_window.h"

void InstallSeveranceTab(TForm1&)
{
}
