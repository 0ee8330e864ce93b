#include "connectors/quickbooks/requests/GetEmployeeRequest.h"

#include "connectors/quickbooks/requests/FieldValues.h"

namespace Quorvane {
namespace Connectors {

namespace {

const wchar_t* const kEmployeeElements[] = { L"ListID",     L"FirstName",    L"LastName",
                                             L"MiddleName", L"EditSequence", L"EmployeePayrollInfo" };

void ReadPayrollInfo(Qbfc::IEmployeePayrollInfo payroll, Employee& employee)
{
    ReadUseTimeData(payroll, employee);
    Qbfc::IOREarnings earnings = payroll.OREarnings();
    Qbfc::IEarningsList list = !earnings.IsNull() ? earnings.EarningsList() : Qbfc::IEarningsList();
    for (int index = 0; !list.IsNull() && index < list.Count(); ++index)
        employee.AddToNameList(list.GetAt(index).PayrollItemWageRef().ListID().GetValue());
}

}  // namespace

void GetEmployeeRequest::BuildRequest(Qbfc::IMsgSetRequest request)
{
    Qbfc::IEmployeeQuery query = request.AppendEmployeeQueryRq();
    for (const wchar_t* element : kEmployeeElements)
        query.IncludeRetElementList().Add(element);
    query.ORListQuery().ListFilter().ActiveStatus().SetValue(asAll);
}

void GetEmployeeRequest::ProcessResponse(Qbfc::IMsgSetResponse response)
{
    try {
        ReadList(response);
    } catch (const QuickBooksException& refusal) {
        if (refusal.GetStatusCode() != kNoMatchStatus)
            throw;
    }
}

void ReadUseTimeData(Qbfc::IEmployeePayrollInfo payroll, Employee& employee)
{
    Qbfc::IQBEnumType useTimeData = payroll.UseTimeDataToCreatePaychecks();
    if (useTimeData.IsNull())
        return;
    int value = ReadIfSet(useTimeData, int(Employee::UnknownTimeDataValue));
    employee.SetUsesTimeData(value == utdUseTimeData);
    employee.SetUsesTimeDataValue(value);
}

boost::shared_ptr<Employee> ReadEmployeeIdentity(Qbfc::IEmployeeRet ret)
{
    boost::shared_ptr<Employee> employee(new Employee());
    employee->SetId(ReadIdIfSet(ret.ListID()));
    employee->SetFirstName(ReadTextIfSet(ret.FirstName()));
    employee->SetLastName(ReadTextIfSet(ret.LastName()));
    employee->SetMiddleName(ReadTextIfSet(ret.MiddleName()));
    employee->SetEditSequence(ReadTextIfSet(ret.EditSequence()));
    return employee;
}

void GetEmployeeRequest::ReadRecord(Qbfc::IEmployeeRet ret, EmployeeCollection& result)
{
    boost::shared_ptr<Employee> employee = ReadEmployeeIdentity(ret);
    Qbfc::IEmployeePayrollInfo payroll = ret.EmployeePayrollInfo();
    if (!payroll.IsNull())
        ReadPayrollInfo(payroll, *employee);
    result.Add(employee);
}

}  // namespace Connectors
}  // namespace Quorvane
