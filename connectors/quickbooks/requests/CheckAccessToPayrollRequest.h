#pragma once
#include "connectors/quickbooks/requests/IQuickBookRequest.h"

namespace Quorvane {
namespace Connectors {

// Whether QuickBooks lets this program read personal data, which payroll data needs. Any
// failure reads as "no access".
class CheckAccessToPayrollRequest : public QuickBookQuery {
public:
    bool GetResult() const { return m_result; }

    void BuildRequest(Qbfc::IMsgSetRequest request) override;
    void ProcessResponse(Qbfc::IMsgSetResponse response) override;

private:
    bool m_result = false;
};

}  // namespace Connectors
}  // namespace Quorvane
