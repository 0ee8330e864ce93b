#pragma once
// What a bookkeeper chooses when setting the program up for the demo company the first time:
// the tour makes these choices, and the end-to-end tests check what they lead to.
#include "tools/scenario/Bookkeeper.h"

namespace scenario {

// The Quorvane user mapped to an existing QuickBooks employee, and that employee.
extern const wchar_t kMappedUser[];
extern const wchar_t kMappedEmployee[];
// The user who is not imported.
extern const wchar_t kNotImportedUser[];
// The leave type imported, and its payroll item.
extern const wchar_t kImportedLeaveType[];
extern const wchar_t kLeavePayrollItem[];

SettingsChoices FirstSetUp();

}  // namespace scenario
