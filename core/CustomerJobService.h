#pragma once
// Names the QuickBooks customer:job and service item that a time-track entry belongs to.
#include <string>

namespace Quorvane {

class ICustomerJobService {
public:
    virtual ~ICustomerJobService() {}
    // The customer:job name for a mapping level (the settings' mapping type).
    virtual std::wstring GetName(int level) const = 0;
    virtual std::wstring GetServiceItemName() const = 0;
};

// A server entry: the name is built from the server's customer, project and task.
class QVCustomerJobService : public ICustomerJobService {
public:
    // Customer, project and task are normalised ("  Acme : Roof" -> "Acme:Roof"); the service
    // item name is kept as given.
    QVCustomerJobService(const std::wstring& customer, const std::wstring& project, const std::wstring& task,
                         const std::wstring& serviceItem);

    // 1 Cu:Pr:Ta, 2 Cu:Pr, 3 Pr, 4 Cu; any other level as 1. Empty parts keep their ":",
    // because the preview matches these names against QuickBooks exactly.
    std::wstring GetName(int level) const override;
    std::wstring GetServiceItemName() const override { return m_serviceItem; }

private:
    std::wstring m_customer;
    std::wstring m_project;
    std::wstring m_task;
    std::wstring m_serviceItem;
};

// A QuickBooks entry or a server leave entry: fixed names whatever the level.
class QBCustomerJobService : public ICustomerJobService {
public:
    QBCustomerJobService(const std::wstring& customerJob, const std::wstring& serviceItem)
        : m_customerJob(customerJob), m_serviceItem(serviceItem)
    {
    }

    std::wstring GetName(int) const override { return m_customerJob; }
    std::wstring GetServiceItemName() const override { return m_serviceItem; }

private:
    std::wstring m_customerJob;
    std::wstring m_serviceItem;
};

}  // namespace Quorvane
