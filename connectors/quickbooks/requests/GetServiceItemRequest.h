#pragma once
#include "connectors/quickbooks/requests/ListReaderRequest.h"
#include "core/ServiceItem.h"

namespace Quorvane {
namespace Connectors {

// Every service item, active or not, linked to a parent read before it.
class GetServiceItemRequest
    : public ListReaderRequest<Qbfc::IItemServiceRetList, Qbfc::IItemServiceRet, ServiceItemCollection> {
public:
    void BuildRequest(Qbfc::IMsgSetRequest request) override;

protected:
    void ReadRecord(Qbfc::IItemServiceRet ret, ServiceItemCollection& result) override;
};

}  // namespace Connectors
}  // namespace Quorvane
