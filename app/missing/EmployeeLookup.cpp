#include "app/missing/EmployeeLookup.h"

#include "app/MainModel.h"
#include "core/Config.h"
#include "core/Employee.h"
#include "core/Mapping.h"

namespace Quorvane {

template <typename Record>
template <typename List, typename KeyOf>
void EmployeeLookup::Index<Record>::Follow(const boost::shared_ptr<List>& followed, KeyOf keyOf)
{
    const size_t size = followed ? followed->Count() : 0;
    if (list && list == followed && count == size)
        return;
    byKey.clear();
    list = followed;
    count = size;
    if (!followed)
        return;
    for (const boost::shared_ptr<Record>& record : *followed)
        byKey.emplace(keyOf(*record), record);
}

template <typename Record>
boost::shared_ptr<Record> EmployeeLookup::Index<Record>::Find(const std::wstring& key) const
{
    const auto found = byKey.find(key);
    return found == byKey.end() ? boost::shared_ptr<Record>() : found->second;
}

EmployeeLookup::EmployeeLookup(const boost::shared_ptr<MainModel>& model, const boost::shared_ptr<Config>& config)
    : m_model(model), m_config(config)
{
}

boost::shared_ptr<Employee> EmployeeLookup::ServerUser(const std::wstring& id)
{
    m_serverUsers.Follow(m_model->GetServerEmployees(), [](const Employee& user) { return user.GetId(); });
    return m_serverUsers.Find(id);
}

boost::shared_ptr<Mapping> EmployeeLookup::Rule(const std::wstring& serverUserId)
{
    m_rules.Follow(m_config->GetEmployeeMappings(), [](const Mapping& rule) { return rule.GetSource(); });
    return m_rules.Find(serverUserId);
}

boost::shared_ptr<Employee> EmployeeLookup::QuickBooksEmployee(const std::wstring& serverUserId)
{
    const boost::shared_ptr<Mapping> rule = Rule(serverUserId);
    if (!rule)
        return boost::shared_ptr<Employee>();
    m_quickBooksEmployees.Follow(m_model->GetQuickBooksEmployees(),
                                 [](const Employee& employee) { return employee.GetId(); });
    return m_quickBooksEmployees.Find(rule->GetTarget());
}

}  // namespace Quorvane
