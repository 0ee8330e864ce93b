#pragma once
#include "connectors/quickbooks/requests/ListReaderRequest.h"
#include "core/Employee.h"

namespace Quorvane {
namespace Connectors {

// A new employee with the ListID, the three names and the EditSequence of the Ret.
boost::shared_ptr<Employee> ReadEmployeeIdentity(Qbfc::IEmployeeRet ret);
// The use-time-data value and flag, when the payroll information has the value.
void ReadUseTimeData(Qbfc::IEmployeePayrollInfo payroll, Employee& employee);

// Every employee, active or not, with the payroll data the import needs. Only "no match"
// means there are none: any other refusal, or an employee that cannot be read, fails the
// read, since an employee left out would look like one without entries in QuickBooks.
class GetEmployeeRequest : public ListReaderRequest<Qbfc::IEmployeeRetList, Qbfc::IEmployeeRet, EmployeeCollection> {
public:
    void BuildRequest(Qbfc::IMsgSetRequest request) override;
    void ProcessResponse(Qbfc::IMsgSetResponse response) override;

protected:
    void ReadRecord(Qbfc::IEmployeeRet ret, EmployeeCollection& result) override;
};

}  // namespace Connectors
}  // namespace Quorvane
