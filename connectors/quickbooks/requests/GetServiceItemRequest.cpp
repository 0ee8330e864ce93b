#include "connectors/quickbooks/requests/GetServiceItemRequest.h"

#include "connectors/quickbooks/requests/FieldValues.h"
#include "connectors/quickbooks/requests/ParentLookup.h"

namespace Quorvane {
namespace Connectors {

void GetServiceItemRequest::BuildRequest(Qbfc::IMsgSetRequest request)
{
    request.AppendItemServiceQueryRq().ListFilterOfAnyVersion().ActiveStatus().SetValue(asAll);
}

void GetServiceItemRequest::ReadRecord(Qbfc::IItemServiceRet ret, ServiceItemCollection& result)
{
    boost::shared_ptr<ServiceItem> item(new ServiceItem());
    item->SetId(ReadIdIfSet(ret.ListID()));
    item->SetName(ReadTextIfSet(ret.Name()));
    item->SetParent(FindParent(ret.ParentRef(), result));
    result.Add(item);
}

}  // namespace Connectors
}  // namespace Quorvane
