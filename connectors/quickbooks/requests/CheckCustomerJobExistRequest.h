#pragma once
#include "connectors/quickbooks/requests/ExistenceCheckRequest.h"

namespace Quorvane {
namespace Connectors {

// Whether QuickBooks has the customer or job of the full name.
class CheckCustomerJobExistRequest : public ExistenceCheckRequest<Qbfc::ICustomerRetList> {
public:
    void BuildRequest(Qbfc::IMsgSetRequest request) override
    {
        FilterByFullName(request.AppendCustomerQueryRq().ORCustomerListQuery().CustomerListFilter());
    }
};

}  // namespace Connectors
}  // namespace Quorvane
