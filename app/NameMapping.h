#pragma once
// Keeps the mapping rules in step with freshly loaded data: rules for new users and leave types,
// resets of rules whose QuickBooks item is gone, and automatic mapping of employees by name.
// None takes a lock: the load that calls them holds the model's.
#include <set>
#include <string>

#include <boost/shared_ptr.hpp>

class MainModel;

namespace Quorvane {
class Employee;
class Mapping;
}  // namespace Quorvane

// The mapping step of a load: the four steps below, after merging the rules a damaged settings
// file holds twice for one source and dropping an unknown service item account.
void UpdateMappings(const boost::shared_ptr<MainModel>& model);

// An employee rule and a payroll rule, both unset, for every server user that has none.
void AddMissingUserMappings(const boost::shared_ptr<MainModel>& model);
// A rule for every leave type; a mapped rule whose payroll item is gone becomes unset.
void UpdateLeaveTypeMappings(const boost::shared_ptr<MainModel>& model);
// Resets rules whose QuickBooks employee is gone and maps unset rules to the employee with the
// same names that no other rule holds.
void UpdateEmployeeMappings(const boost::shared_ptr<MainModel>& model);
// "No payroll item required" becomes unset again when the employee now uses time data and
// QuickBooks has payroll items.
void UpdatePayrollMappingStates(const boost::shared_ptr<MainModel>& model);

bool IsUnmappedRule(const Quorvane::Mapping& rule);

// Accepts a QuickBooks employee with exactly the server user's first, middle and last name whose
// ListID no rule holds yet.
class EmployeeNameMatcher {
public:
    EmployeeNameMatcher(const Quorvane::Employee& serverUser, const std::set<std::wstring>& used)
        : m_serverUser(serverUser), m_used(used)
    {
    }
    bool operator()(const boost::shared_ptr<Quorvane::Employee>& candidate) const;

private:
    const Quorvane::Employee& m_serverUser;
    const std::set<std::wstring>& m_used;
};
