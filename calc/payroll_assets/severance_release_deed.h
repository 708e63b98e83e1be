#pragma once

#include "calc/payroll_assets/severance_pay.h"

#include <QStringList>

// The release deed ("İBRANAME") with the employee's fields filled in; empty fields leave their
// place empty.
QStringList ReleaseDeedLines(const EmployeeFields& employee);
