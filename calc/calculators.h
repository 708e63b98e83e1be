#pragma once

class TForm1;

// Builds every calculator tab into the main window and registers its start-up work.
void InstallCalculators(TForm1& form);
