#include "core/CustomerJobService.h"

#include "core/TextUtils.h"

namespace Quorvane {

QVCustomerJobService::QVCustomerJobService(const std::wstring& customer, const std::wstring& project,
                                           const std::wstring& task, const std::wstring& serviceItem)
    : m_customer(NormalizeFullName(customer)),
      m_project(NormalizeFullName(project)),
      m_task(NormalizeFullName(task)),
      m_serviceItem(serviceItem)
{
}

std::wstring QVCustomerJobService::GetName(int level) const
{
    switch (level) {
    case 2: return m_customer + L":" + m_project;
    case 3: return m_project;
    case 4: return m_customer;
    default: return m_customer + L":" + m_project + L":" + m_task;
    }
}

}  // namespace Quorvane
