#pragma once
#include "connectors/quickbooks/requests/ListReaderRequest.h"
#include "core/PayRoll.h"

namespace Quorvane {
namespace Connectors {

// The payroll wage items time can be paid by, active or not.
class GetPayrollRequest
    : public ListReaderRequest<Qbfc::IPayrollItemWageRetList, Qbfc::IPayrollItemWageRet, PayRollCollection> {
public:
    void BuildRequest(Qbfc::IMsgSetRequest request) override;

protected:
    void ReadRecord(Qbfc::IPayrollItemWageRet ret, PayRollCollection& result) override;
};

}  // namespace Connectors
}  // namespace Quorvane
