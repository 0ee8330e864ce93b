#include "connectors/quickbooks/requests/CreateCustomerJobRequest.h"

namespace Quorvane {
namespace Connectors {

void CreateCustomerJobRequest::BuildRequest(Qbfc::IMsgSetRequest request)
{
    Qbfc::ICustomerAdd add = request.AppendCustomerAddRq();
    add.Name().SetValue(m_name);
    if (m_parent)
        add.ParentRef().ListID().SetValue(m_parent->GetId());
    SetResult(1);
}

boost::shared_ptr<CustomerJob> CreateCustomerJobRequest::ReadCreated(Qbfc::ICustomerRet ret) const
{
    return boost::shared_ptr<CustomerJob>(new CustomerJob(ret.ListID().GetValue(), ret.Name().GetValue(), m_parent));
}

}  // namespace Connectors
}  // namespace Quorvane
