#pragma once

class TForm1;

void InstallPayrollTab(TForm1& form);
