#pragma once
#include "connectors/quickbooks/requests/ListReaderRequest.h"
#include "core/ItemType.h"

namespace Quorvane {
namespace Connectors {

// Every item of the twelve kinds, active or not, so that new names can be checked against all
// of them.
class GetAllItemRequest : public ListReaderRequest<Qbfc::IORItemRetList, Qbfc::IORItemRet, ItemTypeCollection> {
public:
    void BuildRequest(Qbfc::IMsgSetRequest request) override;

protected:
    void ReadRecord(Qbfc::IORItemRet ret, ItemTypeCollection& result) override;
};

}  // namespace Connectors
}  // namespace Quorvane
