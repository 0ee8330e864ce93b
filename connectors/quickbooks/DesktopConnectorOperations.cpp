// The worker sides of the connector's reads and checks: each runs one request and hands its
// answer back on the heap, or null when it failed.
#include "connectors/quickbooks/DesktopConnector.h"

#include "connectors/quickbooks/requests/CheckAccessToPayrollRequest.h"
#include "connectors/quickbooks/requests/CheckCustomerJobExistRequest.h"
#include "connectors/quickbooks/requests/CheckServiceItemExistRequest.h"
#include "connectors/quickbooks/requests/DeleteTimeTrackRequest.h"
#include "connectors/quickbooks/requests/GetAccountRequest.h"
#include "connectors/quickbooks/requests/GetAllItemRequest.h"
#include "connectors/quickbooks/requests/GetCustomerJobRequest.h"
#include "connectors/quickbooks/requests/GetFirstDayOfWeekRequest.h"
#include "connectors/quickbooks/requests/GetPayrollRequest.h"
#include "connectors/quickbooks/requests/GetServiceItemRequest.h"
#include "connectors/quickbooks/requests/IsTimeTrackEnabledRequest.h"

namespace Quorvane {
namespace Connectors {

template <typename Request, typename Result>
Result* DesktopConnector::RunRead(Request& request)
{
    try {
        QBRequest(request);
        return new Result(request.GetResult());
    } catch (...) {
        return NULL;
    }
}

bool* DesktopConnector::CheckAccessToPayrollOnWorker()
{
    if (!m_connected || !m_options.IsValid())
        return new bool(false);
    CheckAccessToPayrollRequest request;
    return RunRead<CheckAccessToPayrollRequest, bool>(request);
}

CompanyInformation* DesktopConnector::GetCompanyInformationOnWorker()
{
    GetCompanyInformationRequest request;
    return RunRead<GetCompanyInformationRequest, CompanyInformation>(request);
}

// An entry QuickBooks created for the probe must not stay in the company: the answer counts
// only once it is gone.
bool* DesktopConnector::IsTimeTrackEnabledOnWorker()
{
    IsTimeTrackEnabledRequest request;
    std::unique_ptr<bool> enabled(RunRead<IsTimeTrackEnabledRequest, bool>(request));
    if (enabled && !request.GetCreatedTxnId().empty() && !DeleteProbeEntry(request.GetCreatedTxnId()))
        return NULL;
    return enabled.release();
}

bool DesktopConnector::DeleteProbeEntry(const std::wstring& txnId)
{
    DeleteTimeTrackRequest request;
    request.SetTxnId(txnId);
    std::unique_ptr<int> status(RunWrite(request));
    return status && *status == 0;
}

boost::shared_ptr<PayRollCollection>* DesktopConnector::GetPayrollOnWorker()
{
    GetPayrollRequest request;
    return RunRead<GetPayrollRequest, boost::shared_ptr<PayRollCollection>>(request);
}

boost::shared_ptr<AccountCollection>* DesktopConnector::GetAccountOnWorker()
{
    GetAccountRequest request;
    return RunRead<GetAccountRequest, boost::shared_ptr<AccountCollection>>(request);
}

boost::shared_ptr<ServiceItemCollection>* DesktopConnector::GetServiceItemOnWorker()
{
    GetServiceItemRequest request;
    return RunRead<GetServiceItemRequest, boost::shared_ptr<ServiceItemCollection>>(request);
}

boost::shared_ptr<CustomerJobCollection>* DesktopConnector::GetCustomerJobOnWorker()
{
    GetCustomerJobRequest request;
    return RunRead<GetCustomerJobRequest, boost::shared_ptr<CustomerJobCollection>>(request);
}

boost::shared_ptr<ItemTypeCollection>* DesktopConnector::GetAllItemOnWorker()
{
    GetAllItemRequest request;
    return RunRead<GetAllItemRequest, boost::shared_ptr<ItemTypeCollection>>(request);
}

// The import asks this first: a QuickBooks that cannot be reached answers with the HRESULT.
int* DesktopConnector::GetFirstDayOfWeekOnWorker()
{
    try {
        GetFirstDayOfWeekRequest request;
        HRESULT failure = QBRequestStatus(request);
        return new int(FAILED(failure) ? failure : request.GetResult());
    } catch (...) {
        return NULL;
    }
}

bool* DesktopConnector::CheckServiceItemExistOnWorker(const std::wstring& name)
{
    CheckServiceItemExistRequest request;
    request.SetFullName(name);
    return RunRead<CheckServiceItemExistRequest, bool>(request);
}

bool* DesktopConnector::CheckCustomerJobExistOnWorker(const std::wstring& fullName)
{
    CheckCustomerJobExistRequest request;
    request.SetFullName(fullName);
    return RunRead<CheckCustomerJobExistRequest, bool>(request);
}

}  // namespace Connectors
}  // namespace Quorvane
