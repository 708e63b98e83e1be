#pragma once

class TForm1;

void InstallLateInterestTab(TForm1& form);
