#include "app/missing/MissingItemsController.h"

#include "app/MainModel.h"
#include "app/Resolvers.h"
#include "app/import/ImportConnector.h"
#include "app/missing/NameLevels.h"
#include "core/Config.h"
#include "core/EmployeeDiff.h"
#include "core/Exceptions.h"

namespace Quorvane {

boost::shared_ptr<Employee> EmployeeAsCreated(const Config& config, const Employee& serverUser)
{
    boost::shared_ptr<Employee> named(new Employee(serverUser));
    const Config::NamePostfixes postfixes = config.GetNamePostfixes();
    Config::NamePostfixes::const_iterator postfix = postfixes.find(serverUser.GetId());
    if (postfix != postfixes.end())
        named->SetLastName(serverUser.GetLastName() + postfix->second);
    return named;
}

boost::shared_ptr<Employee> FindNamingEmployee(const MainModel& model, const Config& config,
                                               const boost::shared_ptr<Employee>& serverUser)
{
    try {
        return FindQuickBooksEmployee(model, serverUser->GetId(), &config);
    } catch (const NotFoundException&) {
        return EmployeeAsCreated(config, *serverUser);
    }
}

MissingItemsController::MissingItemsController(const boost::shared_ptr<MainModel>& model)
    : m_model(model),
      m_config(model->GetConfig()),
      m_connector(MakeImportConnector(model->GetQuickBooksConnector())),
      m_names(model),
      m_employees(model, m_config)
{
}

MissingItemsController::MissingItemsController(const boost::shared_ptr<MainModel>& model,
                                               const boost::shared_ptr<Config>& config,
                                               const boost::shared_ptr<IImportConnector>& connector)
    : m_model(model), m_config(config), m_connector(connector), m_names(model), m_employees(model, config)
{
}

boost::shared_ptr<MissingItemCollection> MissingItemsController::CollectMissingItems(const EmployeeDiff& diff)
{
    boost::shared_ptr<MissingItemCollection> items(new MissingItemCollection);
    const boost::shared_ptr<Employee> user = diff.GetServerUser();
    boost::shared_ptr<Employee> namingEmployee = m_employees.QuickBooksEmployee(user->GetId());
    if (!namingEmployee) {
        items->Add(MissingItem::EmployeeKind, user->GetId(), std::wstring());
        namingEmployee = EmployeeAsCreated(*m_config, *user);
    }
    // Only adds send names, and leave is added without customer:job or service item: working
    // time, which the import always takes, is all that counts.
    for (const boost::shared_ptr<TimeTrackDiff>& change : *diff.GetTimeTrackDiffs()) {
        const boost::shared_ptr<TimeTrackRecord> entry = change->GetImportSide();
        if (change->GetQuickBooksSide() || !entry || entry->IsLeave())
            continue;
        CollectCustomerJobLevels(*entry, *items);
        CollectServiceItemLevels(*entry, *namingEmployee, *user, *items);
    }
    return items;
}

void MissingItemsController::CollectCustomerJobLevels(const TimeTrackRecord& entry, MissingItemCollection& items)
{
    const int level = m_config->GetMappingType();
    const std::wstring name = entry.GetCustomerJobName(level);
    if (name.empty())
        return;
    const std::vector<std::wstring> prefixes = FullNamePrefixes(name);
    for (size_t i = 0; i < prefixes.size(); ++i) {
        if (m_names.FindCustomerJob(prefixes[i]))
            continue;
        const int kind = i == 0 ? MissingItem::CustomerKind : MissingItem::JobKind;
        items.Add(kind, prefixes[i], prefixes[i] == name ? entry.GetDescription(level) : std::wstring());
    }
}

void MissingItemsController::CollectServiceItemLevels(const TimeTrackRecord& entry, const Employee& namingEmployee,
                                                      const Employee& serverUser, MissingItemCollection& items)
{
    const std::wstring name = MakeServiceItemName(*m_config, entry, namingEmployee);
    if (name.empty())
        return;
    const std::vector<std::wstring> prefixes = FullNamePrefixes(name);
    for (size_t i = 0; i < prefixes.size(); ++i) {
        if (m_names.FindServiceItem(prefixes[i]))
            continue;
        items.Add(MissingItem::ServiceItemKind, prefixes[i],
                  prefixes[i] == name ? ServiceItemDescription(entry, serverUser) : std::wstring());
    }
}

std::wstring MissingItemsController::ServiceItemDescription(const TimeTrackRecord& entry,
                                                            const Employee& serverUser) const
{
    if (m_config->GetServiceItemGroup())
        return L"Quorvane billing type '" + entry.GetServiceItemName() + L"'";
    return L"Quorvane username '" + serverUser.GetUserName() + L"'";
}

boost::shared_ptr<MissingItemCollection>
MissingItemsController::CollectAllMissingItems(const EmployeeDiffCollection& diffs)
{
    boost::shared_ptr<MissingItemCollection> all(new MissingItemCollection);
    for (EmployeeDiffCollection::const_iterator diff = diffs.begin(); diff != diffs.end(); ++diff) {
        const boost::shared_ptr<MissingItemCollection> found = CollectMissingItems(**diff);
        for (MissingItemCollection::const_iterator item = found->begin(); item != found->end(); ++item)
            all->FindOrAdd(*item)->AddUser((*diff)->GetServerUser()->GetId());
    }
    return all;
}

}  // namespace Quorvane
