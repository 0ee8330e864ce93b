#pragma once
#include <string>
#include "connectors/quickbooks/requests/IQuickBookRequest.h"

namespace Quorvane {
namespace Connectors {

// Deletes one time-tracking entry. Result: 0 deleted, QuickBooks's status when refused,
// kNotConfirmedStatus when QuickBooks answered without a detail: an answer that does not
// confirm the delete is no success.
class DeleteTimeTrackRequest : public QuickBookWrite {
public:
    void SetTxnId(const std::wstring& id) { m_txnId = id; }

    void BuildRequest(Qbfc::IMsgSetRequest request) override;
    void ProcessResponse(Qbfc::IMsgSetResponse response) override;

private:
    std::wstring m_txnId;
};

}  // namespace Connectors
}  // namespace Quorvane
