#pragma once
// Display names of employees, and the description a QuickBooks time entry carries in its notes.
#include <string>

namespace Quorvane {

class Config;
class Employee;

// lastNameFirst: "Smith, John Q. (jsmith)", and config is not read (it may be null).
// Otherwise "John Q Smith" followed directly by the name postfix that config keeps under the
// employee's id; a null config gives no postfix.
std::wstring FormatEmployeeName(const Config* config, const Employee& employee, bool lastNameFirst);

// The parts the description settings choose: the project, " " and the task, " : " and the notes;
// a separator only after something already written.
std::wstring JoinNameParts(const Config& config, const std::wstring& project, const std::wstring& task,
                           const std::wstring& notes);

}  // namespace Quorvane
