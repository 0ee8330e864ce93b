#pragma once
// The four checks that decide whether the preview may be built; each counts its problems (0 = none).
// The load, the settings dialog's first tab and the main window's problem lines all use them.
class MainModel;

namespace Quorvane {
class Config;
}

bool IsCustomerJobMappingValid(const Quorvane::Config& config);
// Unset rules, and every user whose QuickBooks employee another user is mapped to as well.
int HasEmployeeMappingProblems(const MainModel& model, const Quorvane::Config& config);
int HasLeaveTypeMappingProblems(const MainModel& model, const Quorvane::Config& config);
// Only employees whose time data creates paychecks need a working-time payroll item.
int HasWorkingTimePayrollMappingProblems(const MainModel& model, const Quorvane::Config& config);

// The four checks in order, stopping at the first that fails. False without settings.
bool AreMappingsValid(const MainModel& model);
