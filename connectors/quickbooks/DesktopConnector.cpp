#include "connectors/quickbooks/DesktopConnector.h"

#include <boost/bind/bind.hpp>
#include "connectors/quickbooks/QuickBooksErrors.h"

namespace Quorvane {
namespace Connectors {

namespace {

const int kNotSent = -1;

}  // namespace

DesktopConnector::DesktopConnector(const QBConnectionOptions& options) : m_options(options), m_connected(false) {}

DesktopConnector::~DesktopConnector()
{
    m_worker.Call(boost::bind(&DesktopConnector::DisconnectOnWorker, this));
}

// Null when the worker call failed in a way its operation does not report otherwise.
template <typename Result>
std::unique_ptr<Result> DesktopConnector::RunOnWorker(const boost::function<Result*()>& work)
{
    return std::unique_ptr<Result>(static_cast<Result*>(m_worker.Call(work)));
}

template <typename Result>
Result DesktopConnector::RunOrThrow(const boost::function<Result*()>& work)
{
    std::unique_ptr<Result> result = RunOnWorker(work);
    if (!result)
        throw std::exception();
    return *result;
}

bool DesktopConnector::Connect()
{
    std::unique_ptr<bool> connected = RunOnWorker<bool>(boost::bind(&DesktopConnector::ConnectOnWorker, this));
    return connected && *connected;
}

bool DesktopConnector::CheckAccessToPayroll()
{
    return RunOrThrow<bool>(boost::bind(&DesktopConnector::CheckAccessToPayrollOnWorker, this));
}

boost::shared_ptr<EmployeeCollection> DesktopConnector::GetEmployeesWithTimeTrack(const DateTime& start,
                                                                                  const DateTime& end)
{
    std::unique_ptr<EmployeesRead> read =
        RunOnWorker<EmployeesRead>(boost::bind(&DesktopConnector::GetEmployeesWithTimeTrackOnWorker, this, start, end));
    if (!read)
        throw OperationAbortedException();
    if (read->wrongTimeRange)
        throw WrongTimeRange();
    return read->employees;
}

CompanyInformation DesktopConnector::GetCompanyInformation()
{
    return RunOrThrow<CompanyInformation>(boost::bind(&DesktopConnector::GetCompanyInformationOnWorker, this));
}

bool DesktopConnector::IsTimeTrackEnabled()
{
    return RunOrThrow<bool>(boost::bind(&DesktopConnector::IsTimeTrackEnabledOnWorker, this));
}

boost::shared_ptr<PayRollCollection> DesktopConnector::GetPayroll()
{
    return RunOrThrow<boost::shared_ptr<PayRollCollection>>(boost::bind(&DesktopConnector::GetPayrollOnWorker, this));
}

boost::shared_ptr<AccountCollection> DesktopConnector::GetAccount()
{
    return RunOrThrow<boost::shared_ptr<AccountCollection>>(boost::bind(&DesktopConnector::GetAccountOnWorker, this));
}

boost::shared_ptr<ServiceItemCollection> DesktopConnector::GetServiceItem()
{
    return RunOrThrow<boost::shared_ptr<ServiceItemCollection>>(
        boost::bind(&DesktopConnector::GetServiceItemOnWorker, this));
}

boost::shared_ptr<CustomerJobCollection> DesktopConnector::GetCustomerJob()
{
    return RunOrThrow<boost::shared_ptr<CustomerJobCollection>>(
        boost::bind(&DesktopConnector::GetCustomerJobOnWorker, this));
}

boost::shared_ptr<ItemTypeCollection> DesktopConnector::GetAllItem()
{
    return RunOrThrow<boost::shared_ptr<ItemTypeCollection>>(boost::bind(&DesktopConnector::GetAllItemOnWorker, this));
}

int DesktopConnector::GetFirstDayOfWeek()
{
    return RunOrThrow<int>(boost::bind(&DesktopConnector::GetFirstDayOfWeekOnWorker, this));
}

int DesktopConnector::DeleteTimeTrack(const std::wstring& txnId)
{
    return RunOrThrow<int>(boost::bind(&DesktopConnector::DeleteTimeTrackOnWorker, this, txnId));
}

int DesktopConnector::ChangeTimeTrack(const std::wstring& txnId, const std::wstring& entityId,
                                      const std::wstring& editSequence, int duration)
{
    std::unique_ptr<int> status = RunOnWorker<int>(
        boost::bind(&DesktopConnector::ChangeTimeTrackOnWorker, this, txnId, entityId, editSequence, duration));
    return status ? *status : kNotSent;
}

int DesktopConnector::AddTimeTrack(const std::wstring& entityId, const std::wstring& customerJobFullName,
                                   const std::wstring& serviceItemFullName, const std::wstring& payrollItemId,
                                   const std::wstring& notes, int billable, DateTime date, int duration)
{
    return RunOrThrow<int>(boost::bind(&DesktopConnector::AddTimeTrackOnWorker, this, entityId, customerJobFullName,
                                       serviceItemFullName, payrollItemId, notes, billable, date, duration));
}

int DesktopConnector::ChangeFlagUseTimeData(const std::wstring& listId, const std::wstring& editSequence, int value,
                                            std::wstring& newEditSequence)
{
    std::unique_ptr<EmployeeChanged> changed = RunOnWorker<EmployeeChanged>(
        boost::bind(&DesktopConnector::ChangeFlagUseTimeDataOnWorker, this, listId, editSequence, value));
    if (!changed)
        return kNotSent;
    if (changed->status == 0)
        newEditSequence = changed->editSequence;
    return changed->status;
}

int DesktopConnector::CreateCustomerJob(const std::wstring& name, boost::shared_ptr<CustomerJob> parent,
                                        boost::shared_ptr<CustomerJob>& created)
{
    Created<CustomerJob> result =
        RunOrThrow<Created<CustomerJob>>(boost::bind(&DesktopConnector::CreateCustomerJobOnWorker, this, name, parent));
    created = result.entry;
    return result.status;
}

int DesktopConnector::CreateService(const std::wstring& name, boost::shared_ptr<ServiceItem> parent,
                                    const std::wstring& account, boost::shared_ptr<ServiceItem>& created)
{
    Created<ServiceItem> result = RunOrThrow<Created<ServiceItem>>(
        boost::bind(&DesktopConnector::CreateServiceOnWorker, this, name, parent, account));
    created = result.entry;
    return result.status;
}

int DesktopConnector::CreateEmployee(const std::wstring& firstName, const std::wstring& lastName,
                                     const std::wstring& middleName, const std::wstring& payrollItemId,
                                     boost::shared_ptr<Employee>& created)
{
    std::unique_ptr<Created<Employee>> result = RunOnWorker<Created<Employee>>(
        boost::bind(&DesktopConnector::CreateEmployeeOnWorker, this, firstName, lastName, middleName, payrollItemId));
    created = result ? result->entry : boost::shared_ptr<Employee>();
    return result ? result->status : kNotSent;
}

bool DesktopConnector::CheckServiceItemExist(const std::wstring& name)
{
    return RunOrThrow<bool>(boost::bind(&DesktopConnector::CheckServiceItemExistOnWorker, this, name));
}

bool DesktopConnector::CheckCustomerJobExist(const std::wstring& fullName)
{
    return RunOrThrow<bool>(boost::bind(&DesktopConnector::CheckCustomerJobExistOnWorker, this, fullName));
}

void DesktopConnector::GetTimeTrack(const std::wstring& entityId, const DateTime& start, const DateTime& end,
                                    boost::shared_ptr<TimeTrackRecordCollection>& entries)
{
    entries = RunOrThrow<boost::shared_ptr<TimeTrackRecordCollection>>(
        boost::bind(&DesktopConnector::GetTimeTrackOnWorker, this, entityId, start, end));
}

}  // namespace Connectors
}  // namespace Quorvane
