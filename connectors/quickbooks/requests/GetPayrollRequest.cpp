#include "connectors/quickbooks/requests/GetPayrollRequest.h"

#include "connectors/quickbooks/requests/FieldValues.h"

namespace Quorvane {
namespace Connectors {

namespace {

// Wage items of these two types are never offered for time entries.
const int kSkippedWageTypes[] = {2, 3};

bool IsSkippedWageType(Qbfc::IQBEnumType wageType) {
    if (wageType.IsNull())
        return false;
    int value = wageType.GetValue();
    return value == kSkippedWageTypes[0] || value == kSkippedWageTypes[1];
}

}  // namespace

void GetPayrollRequest::BuildRequest(Qbfc::IMsgSetRequest request) {
    request.AppendPayrollItemWageQueryRq().ORListQuery().ListFilter().ActiveStatus().SetValue(asAll);
}

void GetPayrollRequest::ReadRecord(Qbfc::IPayrollItemWageRet ret, PayRollCollection& result) {
    if (IsSkippedWageType(ret.WageType()))
        return;
    result.Add(boost::shared_ptr<PayRoll>(new PayRoll(ReadTextIfSet(ret.Name()), ReadIdIfSet(ret.ListID()))));
}

}  // namespace Connectors
}  // namespace Quorvane
