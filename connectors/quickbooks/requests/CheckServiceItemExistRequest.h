#pragma once
#include "connectors/quickbooks/requests/ExistenceCheckRequest.h"

namespace Quorvane {
namespace Connectors {

// Whether QuickBooks has the service item of the full name.
class CheckServiceItemExistRequest : public ExistenceCheckRequest<Qbfc::IItemServiceRetList> {
public:
    void BuildRequest(Qbfc::IMsgSetRequest request) override
    {
        FilterByFullName(request.AppendItemServiceQueryRq().ListFilterOfAnyVersion());
    }
};

}  // namespace Connectors
}  // namespace Quorvane
