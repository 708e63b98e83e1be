#include "calc/late_interest/late_interest_tab.h"

#include "app/main_window.h"

void InstallLateInterestTab(TForm1&)
{
}
