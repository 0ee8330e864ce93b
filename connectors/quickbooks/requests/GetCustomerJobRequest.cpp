#include "connectors/quickbooks/requests/GetCustomerJobRequest.h"

#include "connectors/quickbooks/requests/ParentLookup.h"
#include "connectors/quickbooks/requests/FieldValues.h"

namespace Quorvane {
namespace Connectors {

void GetCustomerJobRequest::BuildRequest(Qbfc::IMsgSetRequest request)
{
    request.AppendCustomerQueryRq().ORCustomerListQuery().CustomerListFilter().ActiveStatus().SetValue(asAll);
}

void GetCustomerJobRequest::ReadRecord(Qbfc::ICustomerRet ret, CustomerJobCollection& result)
{
    boost::shared_ptr<CustomerJob> parent = FindParent(ret.ParentRef(), result);
    result.Add(
        boost::shared_ptr<CustomerJob>(new CustomerJob(ReadIdIfSet(ret.ListID()), ReadTextIfSet(ret.Name()), parent)));
}

}  // namespace Connectors
}  // namespace Quorvane
