#pragma once

class TForm1;

// "SABİT ORANLARI SAKLA" of the payroll and severance tabs: the member "ucret" of the settings archive.
void ucretsakla(TForm1& form);
// Start-up: the member's lines into the payroll rates and the two severance edits, when it exists.
void LoadUcretSettings(TForm1& form);
