// What one row of the employee mapping tab offers; nothing here touches the page.
#include "ui/dialogs/settings/EmployeeMappingTab.h"

#include <set>

#include "app/MainModel.h"
#include "core/DisplayNames.h"
#include "core/Employee.h"
#include "core/Mapping.h"
#include "ui/dialogs/settings/MappingSelect.h"
#include "ui/dialogs/settings/NewEmployeePostfixes.h"

using namespace Quorvane;

boost::shared_ptr<EmployeeCollection>
EmployeeMappingTab::GetUnmappedQuickBooksEmployees(const MappingCollection& mappings, const EmployeeCollection& qb)
{
    std::set<std::wstring> targets;
    for (const boost::shared_ptr<Mapping>& mapping : mappings)
        targets.insert(mapping->GetTarget());
    boost::shared_ptr<EmployeeCollection> unmapped(new EmployeeCollection);
    std::set<std::wstring> removed;
    for (const boost::shared_ptr<Employee>& employee : qb) {
        // Only the first employee with a targeted id counts as taken, as a lookup by id finds it.
        if (targets.count(employee->GetId()) && removed.insert(employee->GetId()).second)
            continue;
        unmapped->Add(employee);
    }
    return unmapped;
}

std::wstring EmployeeMappingTab::GetNewEmployeePostfix(const MainModel& model, const Config& config,
                                                       const Employee& user)
{
    return NewEmployeePostfixes(model, config).For(user);
}

std::wstring EmployeeMappingTab::NewEmployeeOptionText(const Employee& user, const std::wstring& postfix)
{
    return L"--new-- (" + user.GetFirstName() + L" " + user.GetMiddleName() + L" " + user.GetLastName() + postfix +
           L")";
}

std::wstring EmployeeMappingTab::BuildMappingSelect(const MainModel& model, const Employee& user,
                                                    const std::wstring& postfix, const EmployeeCollection& offered,
                                                    const std::wstring& source, int state, const std::wstring& target)
{
    MappingSelect select(source, L"ss1");
    select.Add(MappingOption(Mapping::CreateNew, NewEmployeeOptionText(user, postfix)).WithPostfix(postfix),
               state == Mapping::CreateNew);
    select.Add(MappingOption(Mapping::DoNotImport, L"--do not import--").WithValue(std::wstring()),
               state == Mapping::DoNotImport);
    for (const boost::shared_ptr<Employee>& employee : offered) {
        const bool chosen = state == Mapping::Mapped && !target.empty() && employee->GetId() == target;
        select.Add(EmployeeOption(model, *employee), chosen);
    }
    return select.Markup(UndecidedOption(Mapping::NotMapped), false);
}

MappingOption EmployeeMappingTab::EmployeeOption(const MainModel& model, const Employee& employee)
{
    const boost::shared_ptr<Config> modelConfig = model.GetConfig();
    return MappingOption(Mapping::Mapped, FormatEmployeeName(modelConfig.get(), employee, false))
        .WithValue(employee.GetId());
}
