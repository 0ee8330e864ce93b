#pragma once
#include "connectors/quickbooks/requests/IQuickBookRequest.h"

namespace Quorvane {
namespace Connectors {

// The first day of the company's time-tracking week as QuickBooks numbers it (0 Monday to
// 6 Sunday); 0 when QuickBooks does not say.
class GetFirstDayOfWeekRequest : public QuickBookQuery {
public:
    int GetResult() const { return m_result; }

    void BuildRequest(Qbfc::IMsgSetRequest request) override { request.AppendPreferencesQueryRq(); }
    void ProcessResponse(Qbfc::IMsgSetResponse response) override;

private:
    int m_result = 0;
};

}  // namespace Connectors
}  // namespace Quorvane
