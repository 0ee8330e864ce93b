#include "app/missing/MissingItemsController.h"

#include "app/MainModel.h"
#include "app/import/ImportConnector.h"
#include "app/missing/NameLevels.h"
#include "core/Config.h"
#include "core/Exceptions.h"

namespace Quorvane {

namespace {

// What a refused or failed request reports when it carries no status of its own.
const int kCreationFailed = 1;

std::wstring PayrollItemOf(const Config& config, const std::wstring& userId)
{
    try {
        return config.GetPayrollTypeMappings()->GetBySource(userId)->GetTarget();
    } catch (const NotFoundException&) {
        return std::wstring();
    }
}

void PointMappingsAt(const Config& config, const std::wstring& userId, const std::wstring& listId)
{
    const boost::shared_ptr<MappingCollection> mappings = config.GetEmployeeMappings();
    for (MappingCollection::iterator it = mappings->begin(); it != mappings->end(); ++it) {
        if ((*it)->GetSource() != userId)
            continue;
        (*it)->SetTarget(listId, Mapping::Mapped);
        (*it)->SetFlag(false);
    }
}

}  // namespace

int MissingItemsController::CreateMissingItems(const boost::shared_ptr<MissingItem>& item)
{
    try {
        switch (item->GetKind()) {
        case MissingItem::EmployeeKind: return CreateEmployee(item->GetName());
        case MissingItem::CustomerKind:
        case MissingItem::JobKind: return CreateCustomerJobLevels(item->GetName());
        case MissingItem::ServiceItemKind: return CreateServiceItemLevels(item->GetName());
        default: return kCreationFailed;
        }
    } catch (const std::exception&) {
        // The connector's failures carry no text; the failure texts say "Unknown".
        return kCreationFailed;
    }
}

int MissingItemsController::CreateEmployee(const std::wstring& userId)
{
    // Creation may run off the UI thread, which changes the settings and reads the mappings under
    // the model's lock: the lock is held around them, never across the QuickBooks call.
    boost::shared_ptr<Employee> user;
    std::wstring lastName, payrollItem;
    {
        CriticalSectionLock lock(m_model->GetLock());
        user = m_model->GetServerEmployees()->FindById(userId);
        lastName = EmployeeAsCreated(*m_config, *user)->GetLastName();
        payrollItem = PayrollItemOf(*m_config, userId);
    }
    boost::shared_ptr<Employee> created;
    const int status =
        m_connector->CreateEmployee(user->GetFirstName(), lastName, user->GetMiddleName(), payrollItem, created);
    if (status != 0)
        return status;
    if (!created)
        return kCreationFailed;
    CriticalSectionLock lock(m_model->GetLock());
    m_model->AddQuickBooksEmployee(created);
    PointMappingsAt(*m_config, userId, created->GetId());
    return 0;
}

int MissingItemsController::CreateCustomerJobLevels(const std::wstring& fullName)
{
    const std::vector<std::wstring> prefixes = FullNamePrefixes(fullName);
    boost::shared_ptr<CustomerJob> parent;
    for (size_t i = 0; i < prefixes.size(); ++i) {
        boost::shared_ptr<CustomerJob> level = m_names.FindCustomerJob(prefixes[i]);
        if (!level) {
            const int status = m_connector->CreateCustomerJob(LastLevel(prefixes[i]), parent, level);
            if (status != 0)
                return status;
            if (!level)
                return kCreationFailed;
            m_model->AddCustomerJob(level);
        }
        parent = level;
    }
    return 0;
}

int MissingItemsController::CreateServiceItemLevels(const std::wstring& fullName)
{
    const std::vector<std::wstring> prefixes = FullNamePrefixes(fullName);
    boost::shared_ptr<ServiceItem> parent;
    for (size_t i = 0; i < prefixes.size(); ++i) {
        boost::shared_ptr<ServiceItem> level = m_names.FindServiceItem(prefixes[i]);
        if (!level) {
            const int status =
                m_connector->CreateService(LastLevel(prefixes[i]), parent, m_config->GetServiceItemAccount(), level);
            if (status != 0)
                return status;
            if (!level)
                return kCreationFailed;
            m_model->AddServiceItem(level);
        }
        parent = level;
    }
    return 0;
}

}  // namespace Quorvane
