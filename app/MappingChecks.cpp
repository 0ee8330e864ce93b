#include "app/MappingChecks.h"

#include <algorithm>
#include <map>

#include "app/MainModel.h"
#include "core/Exceptions.h"

using namespace Quorvane;

namespace {

typedef boost::shared_ptr<Mapping> RulePtr;

// A user without a rule has not been mapped either.
RulePtr RuleOf(const MappingCollection& rules, const std::wstring& source)
{
    return rules.Contains(source) ? rules.GetBySource(source) : RulePtr();
}

bool IsUnset(const RulePtr& rule)
{
    return !rule || rule->GetState() == Mapping::NotMapped;
}

bool IsPayrollItem(const MainModel& model, const std::wstring& listId)
{
    boost::shared_ptr<PayRollCollection> items = model.GetPayrollItems();
    return items && items->ContainsListId(listId);
}

boost::shared_ptr<Employee> MappedEmployee(const MainModel& model, const RulePtr& employeeRule)
{
    boost::shared_ptr<EmployeeCollection> employees = model.GetQuickBooksEmployees();
    if (!employeeRule || employeeRule->GetState() != Mapping::Mapped ||
        !employees->ContainsId(employeeRule->GetTarget()))
        return boost::shared_ptr<Employee>();
    return employees->FindById(employeeRule->GetTarget());
}

// A mapped payroll item must exist, and be one of the employee's own wage items when it has any.
bool IsBadPayrollTarget(const MainModel& model, const Mapping& payrollRule, const Employee& employee)
{
    if (!IsPayrollItem(model, payrollRule.GetTarget()))
        return true;
    const std::vector<std::wstring> own = employee.GetNameList();
    return !own.empty() && std::find(own.begin(), own.end(), payrollRule.GetTarget()) == own.end();
}

bool HasPayrollProblem(const MainModel& model, const Config& config, const std::wstring& userId)
{
    RulePtr employeeRule = RuleOf(*config.GetEmployeeMappings(), userId);
    if (employeeRule && employeeRule->GetState() == Mapping::DoNotImport)
        return false;
    boost::shared_ptr<Employee> employee = MappedEmployee(model, employeeRule);
    if (employee && !employee->GetUsesTimeData())
        return false;
    RulePtr payrollRule = RuleOf(*config.GetPayrollTypeMappings(), userId);
    if (IsUnset(payrollRule))
        return true;
    return payrollRule->GetState() == Mapping::Mapped && employee && IsBadPayrollTarget(model, *payrollRule, *employee);
}

}  // namespace

bool IsCustomerJobMappingValid(const Config& config)
{
    return config.GetMappingType() != 0 && !config.GetServiceItemAccount().empty();
}

int HasEmployeeMappingProblems(const MainModel& model, const Config& config)
{
    int problems = 0;
    std::map<std::wstring, int> usersPerEmployee;
    for (const boost::shared_ptr<Employee>& user : *model.GetServerEmployees()) {
        RulePtr rule = RuleOf(*config.GetEmployeeMappings(), user->GetId());
        if (IsUnset(rule))
            ++problems;
        else if (rule->GetState() == Mapping::Mapped)
            ++usersPerEmployee[rule->GetTarget()];
    }
    for (const std::pair<const std::wstring, int>& employee : usersPerEmployee) {
        if (employee.second > 1)
            problems += employee.second;
    }
    return problems;
}

int HasLeaveTypeMappingProblems(const MainModel& model, const Config& config)
{
    if (!config.GetImportLeaveType() || !config.GetLeaveTypeMappings())
        return 0;
    const bool payrollItemsExist = model.HasPayrollItems();
    int problems = 0;
    for (const RulePtr& rule : *config.GetLeaveTypeMappings()) {
        if (rule->GetState() == Mapping::NotMapped ||
            (rule->GetState() == Mapping::ImportWithoutPayrollItem && payrollItemsExist))
            ++problems;
    }
    return problems;
}

int HasWorkingTimePayrollMappingProblems(const MainModel& model, const Config& config)
{
    int problems = 0;
    for (const boost::shared_ptr<Employee>& user : *model.GetServerEmployees()) {
        if (HasPayrollProblem(model, config, user->GetId()))
            ++problems;
    }
    return problems;
}

bool AreMappingsValid(const MainModel& model)
{
    boost::shared_ptr<Config> config = model.GetConfig();
    return config && IsCustomerJobMappingValid(*config) && HasEmployeeMappingProblems(model, *config) == 0 &&
           HasLeaveTypeMappingProblems(model, *config) == 0 &&
           HasWorkingTimePayrollMappingProblems(model, *config) == 0;
}
