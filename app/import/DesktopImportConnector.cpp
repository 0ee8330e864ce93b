#include "app/import/ImportConnector.h"

#include "connectors/quickbooks/DesktopConnector.h"

namespace Quorvane {

namespace {

// Forwards every operation to the desktop connector, which runs it on its COM worker thread.
class DesktopImportConnector : public IImportConnector {
public:
    explicit DesktopImportConnector(const boost::shared_ptr<Connectors::DesktopConnector>& connector)
        : m_connector(connector)
    {
    }

    int GetFirstDayOfWeek() override { return m_connector->GetFirstDayOfWeek(); }

    int AddTimeTrack(const std::wstring& entityId, const std::wstring& customerJobFullName,
                     const std::wstring& serviceItemFullName, const std::wstring& payrollItemId,
                     const std::wstring& notes, int billable, const DateTime& date, int minutes) override
    {
        return m_connector->AddTimeTrack(entityId, customerJobFullName, serviceItemFullName, payrollItemId, notes,
                                         billable, date, minutes);
    }
    int ChangeTimeTrack(const std::wstring& txnId, const std::wstring& entityId, const std::wstring& editSequence,
                        int minutes) override
    {
        return m_connector->ChangeTimeTrack(txnId, entityId, editSequence, minutes);
    }
    int DeleteTimeTrack(const std::wstring& txnId) override { return m_connector->DeleteTimeTrack(txnId); }
    std::vector<std::wstring> TakeWriteWarnings() override { return m_connector->TakeWriteWarnings(); }
    int ChangeFlagUseTimeData(const std::wstring& listId, const std::wstring& editSequence, int value,
                              std::wstring& newEditSequence) override
    {
        return m_connector->ChangeFlagUseTimeData(listId, editSequence, value, newEditSequence);
    }

    int CreateEmployee(const std::wstring& firstName, const std::wstring& lastName, const std::wstring& middleName,
                       const std::wstring& payrollItemId, boost::shared_ptr<Employee>& created) override
    {
        return m_connector->CreateEmployee(firstName, lastName, middleName, payrollItemId, created);
    }
    int CreateCustomerJob(const std::wstring& name, const boost::shared_ptr<CustomerJob>& parent,
                          boost::shared_ptr<CustomerJob>& created) override
    {
        return m_connector->CreateCustomerJob(name, parent, created);
    }
    int CreateService(const std::wstring& name, const boost::shared_ptr<ServiceItem>& parent,
                      const std::wstring& accountId, boost::shared_ptr<ServiceItem>& created)
    {
        return m_connector->CreateService(name, parent, accountId, created);
    }

    bool CheckCustomerJobExist(const std::wstring& fullName) override
    {
        return m_connector->CheckCustomerJobExist(fullName);
    }
    bool CheckServiceItemExist(const std::wstring& fullName) override
    {
        return m_connector->CheckServiceItemExist(fullName);
    }
    boost::shared_ptr<TimeTrackRecordCollection> GetTimeTrack(const std::wstring& entityId, const DateTime& start,
                                                              const DateTime& end) override
    {
        boost::shared_ptr<TimeTrackRecordCollection> entries;
        m_connector->GetTimeTrack(entityId, start, end, entries);
        return entries;
    }
    boost::shared_ptr<ServiceItemCollection> GetServiceItem() override { return m_connector->GetServiceItem(); }

private:
    boost::shared_ptr<Connectors::DesktopConnector> m_connector;
};

}  // namespace

boost::shared_ptr<IImportConnector>
MakeImportConnector(const boost::shared_ptr<Connectors::DesktopConnector>& connector)
{
    return boost::shared_ptr<IImportConnector>(new DesktopImportConnector(connector));
}

}  // namespace Quorvane
