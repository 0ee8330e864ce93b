// What one row of the employee mapping tab offers; nothing here touches the page.
#include "ui/dialogs/settings/EmployeeMappingTab.h"

#include <algorithm>
#include <set>

#include "app/MainModel.h"
#include "app/Resolvers.h"
#include "core/DisplayNames.h"
#include "core/Employee.h"
#include "core/Mapping.h"
#include "ui/dialogs/settings/MappingSelect.h"

using namespace Quorvane;

namespace {

// The "(n)" a program-made name carries behind `lastName`, or nothing.
boost::optional<std::wstring> PostfixBehind(const std::wstring& lastName, const std::wstring& qbLastName) {
    const size_t open = qbLastName.rfind(L'(');
    if (open == std::wstring::npos || open == 0 || qbLastName[qbLastName.size() - 1] != L')')
        return boost::none;
    if (qbLastName.compare(0, open, lastName) != 0)
        return boost::none;
    return qbLastName.substr(open);
}

void AddNamesakePostfixes(const MainModel& model, const Config& config, const Employee& user,
                          std::set<std::wstring>& taken) {
    const Config::NamePostfixes postfixes = config.GetNamePostfixes();
    const boost::shared_ptr<EmployeeCollection> namesakes = CollectServerUsersForMapping(model, user);
    for (const boost::shared_ptr<Employee>& namesake : *namesakes) {
        Config::NamePostfixes::const_iterator entry = postfixes.find(namesake->GetId());
        if (entry != postfixes.end())
            taken.insert(entry->second);
    }
}

void AddQuickBooksNames(const MainModel& model, const Employee& user, std::set<std::wstring>& taken) {
    const boost::shared_ptr<EmployeeCollection> employees = model.GetQuickBooksEmployees();
    for (const boost::shared_ptr<Employee>& employee : *employees) {
        if (employee->GetFirstName() != user.GetFirstName() || employee->GetMiddleName() != user.GetMiddleName())
            continue;
        if (employee->GetLastName() == user.GetLastName())
            taken.insert(std::wstring());
        else if (boost::optional<std::wstring> postfix = PostfixBehind(user.GetLastName(), employee->GetLastName()))
            taken.insert(*postfix);
    }
}

}  // namespace

boost::shared_ptr<EmployeeCollection> EmployeeMappingTab::GetUnmappedQuickBooksEmployees(
    const MappingCollection& mappings, const EmployeeCollection& qb) {
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
                                                       const Employee& user) {
    std::set<std::wstring> taken;
    AddNamesakePostfixes(model, config, user, taken);
    AddQuickBooksNames(model, user, taken);
    if (!taken.count(std::wstring()))
        return std::wstring();
    for (int n = 2;; ++n) {
        const std::wstring postfix = L"(" + std::to_wstring(n) + L")";
        if (!taken.count(postfix))
            return postfix;
    }
}

std::wstring EmployeeMappingTab::NewEmployeeOptionText(const Employee& user, const std::wstring& postfix) {
    return L"--new-- (" + user.GetFirstName() + L" " + user.GetMiddleName() + L" " + user.GetLastName() + postfix +
           L")";
}

std::wstring EmployeeMappingTab::BuildMappingSelect(const MainModel& model, const Employee& user,
                                                    const std::wstring& postfix, const EmployeeCollection& offered,
                                                    const std::wstring& source, int state,
                                                    const std::wstring& target) {
    MappingSelect select(source, L"ss1");
    select.Add(MappingOption(Mapping::CreateNew, NewEmployeeOptionText(user, postfix)).WithPostfix(postfix),
               state == Mapping::CreateNew);
    select.Add(MappingOption(Mapping::DoNotImport, L"--do not import--").WithValue(std::wstring()),
               state == Mapping::DoNotImport);
    const boost::shared_ptr<Config> modelConfig = model.GetConfig();
    for (const boost::shared_ptr<Employee>& employee : offered) {
        const bool chosen = state == Mapping::Mapped && !target.empty() && employee->GetId() == target;
        select.Add(MappingOption(Mapping::Mapped, FormatEmployeeName(modelConfig.get(), *employee, false))
                       .WithValue(employee->GetId()),
                   chosen);
    }
    return select.Markup(UndecidedOption(Mapping::NotMapped), false);
}
