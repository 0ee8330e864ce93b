#pragma once
// Employees: the query, add and change, and their Ret with its payroll information.
// UseTimeDataToCreatePaychecks is ENUseTimeDataToCreatePaychecks (0 not set, 1 use, 2 do not).
#include "connectors/quickbooks/qbfc/ListQuery.h"

namespace Quorvane {
namespace Qbfc {

class IEarnings : public Object {
    QBFC_WRAPPER(IEarnings, Object)
    IQBBaseRef PayrollItemWageRef() const { return Child<IQBBaseRef>(L"PayrollItemWageRef"); }
};

class IEarningsList : public ObjectList<IEarnings> {
    QBFC_WRAPPER(IEarningsList, ObjectList<IEarnings>)
};

class IOREarnings : public Object {
    QBFC_WRAPPER(IOREarnings, Object)
    IEarningsList EarningsList() const { return Child<IEarningsList>(L"EarningsList"); }
};

// The add's and the Ret's payroll information.
class IEmployeePayrollInfo : public Object {
    QBFC_WRAPPER(IEmployeePayrollInfo, Object)
    IOREarnings OREarnings() const { return Child<IOREarnings>(L"OREarnings"); }
    IQBEnumType UseTimeDataToCreatePaychecks() const { return Child<IQBEnumType>(L"UseTimeDataToCreatePaychecks"); }
};

class IEmployeePayrollInfoMod : public Object {
    QBFC_WRAPPER(IEmployeePayrollInfoMod, Object)
    IQBEnumType UseTimeDataToCreatePaychecks() const { return Child<IQBEnumType>(L"UseTimeDataToCreatePaychecks"); }
};

class IEmployeeAdd : public Object {
    QBFC_WRAPPER(IEmployeeAdd, Object)
    IQBBoolType IsActive() const { return Child<IQBBoolType>(L"IsActive"); }
    IQBStringType FirstName() const { return Child<IQBStringType>(L"FirstName"); }
    IQBStringType MiddleName() const { return Child<IQBStringType>(L"MiddleName"); }
    IQBStringType LastName() const { return Child<IQBStringType>(L"LastName"); }
    IEmployeePayrollInfo EmployeePayrollInfo() const { return Child<IEmployeePayrollInfo>(L"EmployeePayrollInfo"); }
};

class IEmployeeMod : public Object {
    QBFC_WRAPPER(IEmployeeMod, Object)
    IQBIDType ListID() const { return Child<IQBIDType>(L"ListID"); }
    IQBStringType EditSequence() const { return Child<IQBStringType>(L"EditSequence"); }
    IEmployeePayrollInfoMod EmployeePayrollInfoMod() const
    {
        return Child<IEmployeePayrollInfoMod>(L"EmployeePayrollInfoMod");
    }
};

class IEmployeeRet : public ListRetFields {
    QBFC_WRAPPER(IEmployeeRet, ListRetFields)
    IQBStringType FirstName() const { return Child<IQBStringType>(L"FirstName"); }
    IQBStringType MiddleName() const { return Child<IQBStringType>(L"MiddleName"); }
    IQBStringType LastName() const { return Child<IQBStringType>(L"LastName"); }
    IEmployeePayrollInfo EmployeePayrollInfo() const { return Child<IEmployeePayrollInfo>(L"EmployeePayrollInfo"); }
};

class IEmployeeRetList : public ObjectList<IEmployeeRet> {
    QBFC_WRAPPER(IEmployeeRetList, ObjectList<IEmployeeRet>)
};

class IEmployeeQuery : public ListQueryFields {
    QBFC_WRAPPER(IEmployeeQuery, ListQueryFields)
};

}  // namespace Qbfc
}  // namespace Quorvane
