#include "connectors/quickbooks/requests/AddTimeTrackRequest.h"

#include "connectors/quickbooks/requests/FieldValues.h"
#include "connectors/quickbooks/requests/ResponseLookup.h"

namespace Quorvane {
namespace Connectors {

void AddTimeTrackRequest::BuildRequest(Qbfc::IMsgSetRequest request)
{
    Qbfc::ITimeTrackingAdd add = request.AppendTimeTrackingAddRq();
    add.TxnDate().SetValue(m_date.ToVariantDate());
    add.EntityRef().ListID().SetValue(m_entityId);
    Connectors::SetDuration(add.Duration(), m_duration);
    if (!m_payrollItemId.empty())
        add.PayrollItemWageRef().ListID().SetValue(m_payrollItemId);
    if (!m_customerJobFullName.empty())
        add.CustomerRef().FullName().SetValue(m_customerJobFullName);
    if (!m_serviceItemFullName.empty())
        add.ItemServiceRef().FullName().SetValue(m_serviceItemFullName);
    add.BillableStatus().SetValue(BillableStatus());
    if (!m_notes.empty())
        add.Notes().SetValue(m_notes);
    SetResult(1);
}

// Only time charged to both a customer:job and a service item can be billed.
int AddTimeTrackRequest::BillableStatus() const
{
    bool chargeable = !m_customerJobFullName.empty() && !m_serviceItemFullName.empty();
    return chargeable && m_billable != 0 ? bsBillable : bsNotBillable;
}

void AddTimeTrackRequest::ProcessResponse(Qbfc::IMsgSetResponse response)
{
    try {
        FindResponseDetail<Qbfc::ITimeTrackingRet>(response);
        SetResult(0);
    } catch (const QuickBooksException& refusal) {
        SetResult(RefusalResult(refusal));
    } catch (...) {
        SetResult(NoEntryReturned);
    }
}

// QuickBooks quotes the reference it could not resolve.
int AddTimeTrackRequest::RefusalResult(const QuickBooksException& refusal) const
{
    bool namesPayrollItem =
        !m_payrollItemId.empty() && refusal.GetMessage().find(m_payrollItemId) != std::wstring::npos;
    return namesPayrollItem ? PayrollItemRefused : refusal.GetStatusCode();
}

}  // namespace Connectors
}  // namespace Quorvane
