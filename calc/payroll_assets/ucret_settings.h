#pragma once

class TForm1;

// "SABİT ORANLARI SAKLA" of the payroll and severance tabs: the member "ucret" of the settings archive.
void ucretsakla(TForm1& form);
