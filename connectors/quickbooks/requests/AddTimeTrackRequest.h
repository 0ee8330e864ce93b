#pragma once
#include <string>
#include "connectors/quickbooks/requests/IQuickBookRequest.h"
#include "core/DateTime.h"
#include "core/Exceptions.h"

namespace Quorvane {
namespace Connectors {

// Adds one time-tracking entry. Result: 0 added, QuickBooks's status when refused, 31201 when
// the refusal names the payroll item (it no longer exists), -1 when no entry came back.
class AddTimeTrackRequest : public QuickBookWrite {
public:
    enum { PayrollItemRefused = 31201, NoEntryReturned = -1 };

    void SetEntityId(const std::wstring& id) { m_entityId = id; }
    void SetCustomerJobFullName(const std::wstring& name) { m_customerJobFullName = name; }
    void SetServiceItemFullName(const std::wstring& name) { m_serviceItemFullName = name; }
    void SetPayrollItemId(const std::wstring& id) { m_payrollItemId = id; }
    void SetNotes(const std::wstring& notes) { m_notes = notes; }
    void SetDate(const DateTime& date) { m_date = date; }
    void SetBillable(int billable) { m_billable = billable; }
    void SetDuration(int minutes) { m_duration = minutes; }

    void BuildRequest(Qbfc::IMsgSetRequest request) override;
    void ProcessResponse(Qbfc::IMsgSetResponse response) override;

private:
    int BillableStatus() const;
    int RefusalResult(const QuickBooksException& refusal) const;

    std::wstring m_entityId;
    std::wstring m_customerJobFullName;
    std::wstring m_serviceItemFullName;
    std::wstring m_payrollItemId;
    std::wstring m_notes;
    DateTime m_date;
    int m_billable = 0;
    int m_duration = 0;
};

}  // namespace Connectors
}  // namespace Quorvane
