#pragma once
#include <string>
#include "connectors/quickbooks/requests/IQuickBookRequest.h"

namespace Quorvane {
namespace Connectors {

// Changes the duration of one time-tracking entry and nothing else of it. Result: 0 changed,
// QuickBooks's status when refused (3200 when the entry changed since it was read),
// kNotConfirmedStatus when no entry came back.
class ChangeTimeTrackRequest : public QuickBookWrite {
public:
    void SetTxnId(const std::wstring& id) { m_txnId = id; }
    void SetEntityId(const std::wstring& id) { m_entityId = id; }
    void SetEditSequence(const std::wstring& editSequence) { m_editSequence = editSequence; }
    void SetDuration(int minutes) { m_duration = minutes; }

    void BuildRequest(Qbfc::IMsgSetRequest request) override;
    void ProcessResponse(Qbfc::IMsgSetResponse response) override;

private:
    std::wstring m_txnId;
    std::wstring m_entityId;
    std::wstring m_editSequence;
    int m_duration = 0;
};

}  // namespace Connectors
}  // namespace Quorvane
