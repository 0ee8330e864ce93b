#include "ui/dialogs/settings/NewEmployeePostfixes.h"

#include <set>

#include <boost/optional.hpp>

#include "app/MainModel.h"
#include "core/Employee.h"

using namespace Quorvane;

namespace {

// The "(n)" a program-made name carries behind `lastName`, or nothing.
boost::optional<std::wstring> PostfixBehind(const std::wstring& lastName, const std::wstring& qbLastName)
{
    const size_t open = qbLastName.rfind(L'(');
    if (open == std::wstring::npos || open == 0 || qbLastName[qbLastName.size() - 1] != L')')
        return boost::none;
    if (qbLastName.compare(0, open, lastName) != 0)
        return boost::none;
    return qbLastName.substr(open);
}

}  // namespace

NewEmployeePostfixes::NewEmployeePostfixes(const MainModel& model, const Config& config)
    : m_postfixes(config.GetNamePostfixes())
{
    const boost::shared_ptr<EmployeeCollection> users = model.GetServerEmployees();
    for (const boost::shared_ptr<Employee>& user : *users)
        m_userIds[Names(user->GetFirstName(), user->GetMiddleName(), user->GetLastName())].push_back(user->GetId());
    const boost::shared_ptr<EmployeeCollection> employees = model.GetQuickBooksEmployees();
    for (const boost::shared_ptr<Employee>& employee : *employees)
        m_quickBooksLastNames[GivenNames(employee->GetFirstName(), employee->GetMiddleName())].push_back(
            employee->GetLastName());
}

std::wstring NewEmployeePostfixes::For(const Employee& user) const
{
    std::set<std::wstring> taken;
    AddNamesakePostfixes(user, taken);
    AddQuickBooksNames(user, taken);
    if (!taken.count(std::wstring()))
        return std::wstring();
    for (int n = 2;; ++n) {
        const std::wstring postfix = L"(" + std::to_wstring(n) + L")";
        if (!taken.count(postfix))
            return postfix;
    }
}

// Names are compared exactly, as QuickBooks keeps them.
void NewEmployeePostfixes::AddNamesakePostfixes(const Employee& user, std::set<std::wstring>& taken) const
{
    const auto namesakes = m_userIds.find(Names(user.GetFirstName(), user.GetMiddleName(), user.GetLastName()));
    if (namesakes == m_userIds.end())
        return;
    for (const std::wstring& id : namesakes->second) {
        const Config::NamePostfixes::const_iterator entry = m_postfixes.find(id);
        if (id != user.GetId() && entry != m_postfixes.end())
            taken.insert(entry->second);
    }
}

void NewEmployeePostfixes::AddQuickBooksNames(const Employee& user, std::set<std::wstring>& taken) const
{
    const auto sameGivenNames = m_quickBooksLastNames.find(GivenNames(user.GetFirstName(), user.GetMiddleName()));
    if (sameGivenNames == m_quickBooksLastNames.end())
        return;
    const std::wstring lastName = user.GetLastName();
    for (const std::wstring& qbLastName : sameGivenNames->second) {
        if (qbLastName == lastName)
            taken.insert(std::wstring());
        else if (boost::optional<std::wstring> postfix = PostfixBehind(lastName, qbLastName))
            taken.insert(*postfix);
    }
}
