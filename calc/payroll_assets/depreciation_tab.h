#pragma once

class TForm1;

void InstallDepreciationTab(TForm1& form);
