#pragma once

class TForm1;

void InstallTurnoverTab(TForm1& form);
