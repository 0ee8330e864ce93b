#pragma once
#include <string>
#include "connectors/quickbooks/requests/IQuickBookRequest.h"

namespace Quorvane {
namespace Connectors {

// Whether the company has time tracking switched on. QuickBooks has no such preference to
// read, so this sends an add it must refuse: status 3250 means "off", any other refusal "on".
// Should QuickBooks accept it, the entry is a stray: the connector deletes it (GetCreatedTxnId).
class IsTimeTrackEnabledRequest : public QuickBookQuery {
public:
    enum { FeatureNotEnabled = 3250 };

    bool GetResult() const { return m_result; }
    // The TxnID of an entry QuickBooks created for the probe; empty when it refused.
    std::wstring GetCreatedTxnId() const { return m_createdTxnId; }

    void BuildRequest(Qbfc::IMsgSetRequest request) override;
    void ProcessResponse(Qbfc::IMsgSetResponse response) override;

private:
    bool m_result = false;
    std::wstring m_createdTxnId;
};

}  // namespace Connectors
}  // namespace Quorvane
