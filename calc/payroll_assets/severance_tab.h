#pragma once

class TForm1;

void InstallSeveranceTab(TForm1& form);
