#include "connectors/quickbooks/requests/CreateServiceRequest.h"

namespace Quorvane {
namespace Connectors {

void CreateServiceRequest::BuildRequest(Qbfc::IMsgSetRequest request)
{
    Qbfc::IItemServiceAdd add = request.AppendItemServiceAddRq();
    add.Name().SetValue(m_name);
    add.ORSalesPurchase().SalesOrPurchase().AccountRef().ListID().SetValue(m_accountId);
    if (m_parent)
        add.ParentRef().ListID().SetValue(m_parent->GetId());
    SetResult(1);
}

boost::shared_ptr<ServiceItem> CreateServiceRequest::ReadCreated(Qbfc::IItemServiceRet ret) const
{
    boost::shared_ptr<ServiceItem> item(new ServiceItem());
    item->SetId(ret.ListID().GetValue());
    item->SetName(ret.Name().GetValue());
    item->SetParent(m_parent);
    return item;
}

}  // namespace Connectors
}  // namespace Quorvane
