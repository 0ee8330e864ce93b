#pragma once
// The program's only door to QuickBooks. Every operation can be called from any thread: it is
// handed to the connector's COM worker thread, which alone touches QuickBooks, and the caller
// waits for its result. Failures reach the caller as WrongTimeRange,
// OperationAbortedException, a std::exception without message, or a status code, as each
// operation says; QuickBooks's own COM errors never leave the connector.
#include <memory>
#include <string>
#include <boost/function.hpp>
#include <boost/noncopyable.hpp>
#include <boost/shared_ptr.hpp>
#include "connectors/quickbooks/QBConnectionOptions.h"
#include "connectors/quickbooks/QBWorkerThread.h"
#include "connectors/quickbooks/WriteWarnings.h"
#include "connectors/quickbooks/qbfc/Session.h"
#include "connectors/quickbooks/requests/GetCompanyInformationRequest.h"
#include "core/Account.h"
#include "core/CustomerJob.h"
#include "core/DateTime.h"
#include "core/Employee.h"
#include "core/ItemType.h"
#include "core/PayRoll.h"
#include "core/ServiceItem.h"

namespace Quorvane {
namespace Connectors {

class IQuickBookRequest;
class QuickBookWrite;

// Makes the QuickBooks session manager; tests put the simulator's in its place.
typedef HRESULT (*SessionManagerFactory)(Qbfc::IQBSessionManager& out);
// Null restores the registered QuickBooks.
void SetSessionManagerFactory(SessionManagerFactory factory);

class DesktopConnector : private boost::noncopyable {
public:
    explicit DesktopConnector(const QBConnectionOptions& options);
    // Closes the session on the worker thread, after any call in flight.
    virtual ~DesktopConnector();

    // Opens a session with the company open in QuickBooks; false when none could be opened
    // or one is open already.
    virtual bool Connect();
    // False also when not connected.
    virtual bool CheckAccessToPayroll();
    // Every employee with its time-tracking entries of the range. Throws WrongTimeRange when
    // QuickBooks refuses the dates, OperationAbortedException on any other failure.
    virtual boost::shared_ptr<EmployeeCollection> GetEmployeesWithTimeTrack(const DateTime& start, const DateTime& end);
    virtual CompanyInformation GetCompanyInformation();
    virtual bool IsTimeTrackEnabled();

    boost::shared_ptr<PayRollCollection> GetPayroll();
    boost::shared_ptr<AccountCollection> GetAccount();
    boost::shared_ptr<ServiceItemCollection> GetServiceItem();
    boost::shared_ptr<CustomerJobCollection> GetCustomerJob();
    boost::shared_ptr<ItemTypeCollection> GetAllItem();
    // 0 Monday to 6 Sunday; a negative HRESULT when QuickBooks could not be asked.
    int GetFirstDayOfWeek();

    // The write operations return the request's status: 0 done (a warning of QuickBooks's is
    // logged), QuickBooks's status code when it refused, kNotConfirmedStatus when it answered a
    // change or delete without the record, a negative HRESULT when QuickBooks could not be
    // reached.
    int DeleteTimeTrack(const std::wstring& txnId);
    // -1 when the change could not be sent at all.
    int ChangeTimeTrack(const std::wstring& txnId, const std::wstring& entityId, const std::wstring& editSequence,
                        int duration);
    int AddTimeTrack(const std::wstring& entityId, const std::wstring& customerJobFullName,
                     const std::wstring& serviceItemFullName, const std::wstring& payrollItemId,
                     const std::wstring& notes, int billable, DateTime date, int duration);
    // -1 when the change could not be sent at all. `newEditSequence` is set only when the
    // status is 0: the employee's EditSequence after the change.
    int ChangeFlagUseTimeData(const std::wstring& listId, const std::wstring& editSequence, int value,
                              std::wstring& newEditSequence);
    // `created` is set only when the status is 0.
    int CreateCustomerJob(const std::wstring& name, boost::shared_ptr<CustomerJob> parent,
                          boost::shared_ptr<CustomerJob>& created);
    int CreateService(const std::wstring& name, boost::shared_ptr<ServiceItem> parent, const std::wstring& account,
                      boost::shared_ptr<ServiceItem>& created);
    // -1 when the employee could not be sent at all.
    int CreateEmployee(const std::wstring& firstName, const std::wstring& lastName, const std::wstring& middleName,
                       const std::wstring& payrollItemId, boost::shared_ptr<Employee>& created);

    bool CheckServiceItemExist(const std::wstring& name);
    bool CheckCustomerJobExist(const std::wstring& fullName);
    // `entries` is empty when the entity has no entries in the range.
    void GetTimeTrack(const std::wstring& entityId, const DateTime& start, const DateTime& end,
                      boost::shared_ptr<TimeTrackRecordCollection>& entries);

    QBConnectionOptions GetConnectionOptions() const { return m_options; }

    // The texts of the warnings QuickBooks gave with the writes since the last call.
    std::vector<std::wstring> TakeWriteWarnings() { return m_writeWarnings.Take(); }

private:
    template <typename Result>
    std::unique_ptr<Result> RunOnWorker(const boost::function<Result*()>& work);
    template <typename Result>
    Result RunOrThrow(const boost::function<Result*()>& work);

    // The session (DesktopConnectorSession.cpp).
    bool* ConnectOnWorker();
    void* DisconnectOnWorker();
    void OpenSession(Qbfc::IQBSessionManager session);
    void CloseSession();
    void Probe();
    Qbfc::IMsgSetRequest CreateMsgSetRequest(const std::wstring& country) const;
    Qbfc::IMsgSetResponse SendMsgSet(Qbfc::IMsgSetRequest request) const;
    void QBRequest(IQuickBookRequest& request);
    HRESULT QBRequestStatus(IQuickBookRequest& request);
    int* RunWrite(QuickBookWrite& request);
    template <typename Request, typename Result>
    Result* RunRead(Request& request);

    // The operations' worker sides (DesktopConnectorOperations.cpp).
    bool* CheckAccessToPayrollOnWorker();
    CompanyInformation* GetCompanyInformationOnWorker();
    bool* IsTimeTrackEnabledOnWorker();
    bool DeleteProbeEntry(const std::wstring& txnId);
    boost::shared_ptr<PayRollCollection>* GetPayrollOnWorker();
    boost::shared_ptr<AccountCollection>* GetAccountOnWorker();
    boost::shared_ptr<ServiceItemCollection>* GetServiceItemOnWorker();
    boost::shared_ptr<CustomerJobCollection>* GetCustomerJobOnWorker();
    boost::shared_ptr<ItemTypeCollection>* GetAllItemOnWorker();
    int* GetFirstDayOfWeekOnWorker();
    bool* CheckServiceItemExistOnWorker(const std::wstring& name);
    bool* CheckCustomerJobExistOnWorker(const std::wstring& fullName);

    // The writes' worker sides (DesktopConnectorWrites.cpp).
    int* DeleteTimeTrackOnWorker(const std::wstring& txnId);
    int* ChangeTimeTrackOnWorker(const std::wstring& txnId, const std::wstring& entityId,
                                 const std::wstring& editSequence, int duration);
    int* AddTimeTrackOnWorker(const std::wstring& entityId, const std::wstring& customerJobFullName,
                              const std::wstring& serviceItemFullName, const std::wstring& payrollItemId,
                              const std::wstring& notes, int billable, DateTime date, int duration);
    template <typename Entry>
    struct Created {
        int status;
        boost::shared_ptr<Entry> entry;
    };
    struct EmployeeChanged {
        int status;
        std::wstring editSequence;
    };
    EmployeeChanged* ChangeFlagUseTimeDataOnWorker(const std::wstring& listId, const std::wstring& editSequence,
                                                   int value);
    Created<CustomerJob>* CreateCustomerJobOnWorker(const std::wstring& name, boost::shared_ptr<CustomerJob> parent);
    Created<ServiceItem>* CreateServiceOnWorker(const std::wstring& name, boost::shared_ptr<ServiceItem> parent,
                                                const std::wstring& account);
    Created<Employee>* CreateEmployeeOnWorker(const std::wstring& firstName, const std::wstring& lastName,
                                              const std::wstring& middleName, const std::wstring& payrollItemId);

    // Time-track reading (DesktopConnectorTimeTrack.cpp).
    struct EmployeesRead {
        bool wrongTimeRange;
        boost::shared_ptr<EmployeeCollection> employees;
    };
    EmployeesRead* GetEmployeesWithTimeTrackOnWorker(const DateTime& start, const DateTime& end);
    boost::shared_ptr<EmployeeCollection> ReadEmployeesWithTimeTrack(const DateTime& start, const DateTime& end);
    void AttachTimeTrack(const boost::shared_ptr<EmployeeCollection>& employees, const DateTime& start,
                         const DateTime& end);
    boost::shared_ptr<TimeTrackRecordCollection>* GetTimeTrackOnWorker(const std::wstring& entityId,
                                                                       const DateTime& start, const DateTime& end);

    // Touched only on the worker thread once constructed.
    QBConnectionOptions m_options;
    bool m_connected;
    Qbfc::IQBSessionManager m_session;
    QBWorkerThread m_worker;
    WriteWarnings m_writeWarnings;
};

}  // namespace Connectors
}  // namespace Quorvane
