#include "connectors/quickbooks/requests/GetPayrollRequest.h"

#include "connectors/quickbooks/requests/FieldValues.h"

namespace Quorvane {
namespace Connectors {

namespace {

// Bonus and commission wage items are never offered for time entries.
bool IsSkippedWageType(Qbfc::IQBEnumType wageType)
{
    if (wageType.IsNull())
        return false;
    std::wstring name = wageType.GetAsString();
    return name == kBonusWageType || name == kCommissionWageType;
}

}  // namespace

void GetPayrollRequest::BuildRequest(Qbfc::IMsgSetRequest request)
{
    request.AppendPayrollItemWageQueryRq().ORListQuery().ListFilter().ActiveStatus().SetValue(asAll);
}

void GetPayrollRequest::ReadRecord(Qbfc::IPayrollItemWageRet ret, PayRollCollection& result)
{
    if (IsSkippedWageType(ret.WageType()))
        return;
    result.Add(boost::shared_ptr<PayRoll>(new PayRoll(ReadTextIfSet(ret.Name()), ReadIdIfSet(ret.ListID()))));
}

}  // namespace Connectors
}  // namespace Quorvane
