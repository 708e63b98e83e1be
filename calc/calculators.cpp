#include "calc/calculators.h"

#include "calc/late_interest/late_interest_tab.h"
#include "calc/payroll_assets/depreciation_tab.h"
#include "calc/payroll_assets/payroll_tab.h"
#include "calc/payroll_assets/severance_tab.h"
#include "calc/payroll_assets/turnover_tab.h"

void InstallCalculators(TForm1& form)
{
    InstallLateInterestTab(form);
    InstallPayrollTab(form);
    InstallTurnoverTab(form);
    InstallSeveranceTab(form);
    InstallDepreciationTab(form);
}
