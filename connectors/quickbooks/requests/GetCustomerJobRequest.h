#pragma once
#include "connectors/quickbooks/requests/ListReaderRequest.h"
#include "core/CustomerJob.h"

namespace Quorvane {
namespace Connectors {

// Every customer and job, active or not. A job finds its parent only among the entries read
// before it; QuickBooks lists parents first.
class GetCustomerJobRequest
    : public ListReaderRequest<Qbfc::ICustomerRetList, Qbfc::ICustomerRet, CustomerJobCollection> {
public:
    void BuildRequest(Qbfc::IMsgSetRequest request) override;

protected:
    void ReadRecord(Qbfc::ICustomerRet ret, CustomerJobCollection& result) override;
};

}  // namespace Connectors
}  // namespace Quorvane
