// The worker sides of the connector's writes. Each returns the request's status, which after a
// COM failure holds its HRESULT, so that the caller learns of every failure; null when the
// request could not run at all.
#include "connectors/quickbooks/DesktopConnector.h"

#include "connectors/quickbooks/requests/AddTimeTrackRequest.h"
#include "connectors/quickbooks/requests/ChangeFlagUseTimeDataRequest.h"
#include "connectors/quickbooks/requests/ChangeTimeTrackRequest.h"
#include "connectors/quickbooks/requests/CreateCustomerJobRequest.h"
#include "connectors/quickbooks/requests/CreateEmployeeRequest.h"
#include "connectors/quickbooks/requests/CreateServiceRequest.h"
#include "connectors/quickbooks/requests/DeleteTimeTrackRequest.h"

namespace Quorvane {
namespace Connectors {

int* DesktopConnector::DeleteTimeTrackOnWorker(const std::wstring& txnId)
{
    DeleteTimeTrackRequest request;
    request.SetTxnId(txnId);
    return RunWrite(request);
}

int* DesktopConnector::ChangeTimeTrackOnWorker(const std::wstring& txnId, const std::wstring& entityId,
                                               const std::wstring& editSequence, int duration)
{
    ChangeTimeTrackRequest request;
    request.SetTxnId(txnId);
    request.SetEntityId(entityId);
    request.SetEditSequence(editSequence);
    request.SetDuration(duration);
    return RunWrite(request);
}

int* DesktopConnector::AddTimeTrackOnWorker(const std::wstring& entityId, const std::wstring& customerJobFullName,
                                            const std::wstring& serviceItemFullName, const std::wstring& payrollItemId,
                                            const std::wstring& notes, int billable, DateTime date, int duration)
{
    AddTimeTrackRequest request;
    request.SetEntityId(entityId);
    request.SetCustomerJobFullName(customerJobFullName);
    request.SetServiceItemFullName(serviceItemFullName);
    request.SetPayrollItemId(payrollItemId);
    request.SetNotes(notes);
    request.SetBillable(billable);
    request.SetDate(date);
    request.SetDuration(duration);
    return RunWrite(request);
}

DesktopConnector::EmployeeChanged*
DesktopConnector::ChangeFlagUseTimeDataOnWorker(const std::wstring& listId, const std::wstring& editSequence, int value)
{
    ChangeFlagUseTimeDataRequest request;
    request.SetEmployeeId(listId);
    request.SetEditSequence(editSequence);
    request.SetValue(value);
    std::unique_ptr<int> status(RunWrite(request));
    if (!status)
        return NULL;
    EmployeeChanged* changed = new EmployeeChanged();
    changed->status = *status;
    changed->editSequence = request.GetNewEditSequence();
    return changed;
}

namespace {

template <typename Result, typename Request>
Result* CreatedFrom(int* status, const Request& request)
{
    std::unique_ptr<int> owned(status);
    if (!owned)
        return NULL;
    Result* result = new Result();
    result->status = *owned;
    if (*owned == 0)
        result->entry = request.GetCreated();
    return result;
}

}  // namespace

DesktopConnector::Created<CustomerJob>*
DesktopConnector::CreateCustomerJobOnWorker(const std::wstring& name, boost::shared_ptr<CustomerJob> parent)
{
    CreateCustomerJobRequest request;
    request.SetName(name);
    request.SetParent(parent);
    return CreatedFrom<Created<CustomerJob>>(RunWrite(request), request);
}

DesktopConnector::Created<ServiceItem>* DesktopConnector::CreateServiceOnWorker(const std::wstring& name,
                                                                                boost::shared_ptr<ServiceItem> parent,
                                                                                const std::wstring& account)
{
    CreateServiceRequest request;
    request.SetName(name);
    request.SetParent(parent);
    request.SetAccountId(account);
    return CreatedFrom<Created<ServiceItem>>(RunWrite(request), request);
}

DesktopConnector::Created<Employee>* DesktopConnector::CreateEmployeeOnWorker(const std::wstring& firstName,
                                                                              const std::wstring& lastName,
                                                                              const std::wstring& middleName,
                                                                              const std::wstring& payrollItemId)
{
    CreateEmployeeRequest request;
    request.SetFirstName(firstName);
    request.SetLastName(lastName);
    request.SetMiddleName(middleName);
    request.SetPayrollItemId(payrollItemId);
    return CreatedFrom<Created<Employee>>(RunWrite(request), request);
}

}  // namespace Connectors
}  // namespace Quorvane
