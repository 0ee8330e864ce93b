#include "tools/qbsim/Handlers.h"
#include "tools/qbsim/ListQuery.h"
#include "core/TextCharset.h"
#include "tools/qbsim/Names.h"
#include "tools/qbsim/Responses.h"

namespace QbSim {

namespace {

struct NameLimit {
    const wchar_t* element;
    size_t length;
};

const NameLimit kNameLimits[] = { { L"FirstName", 25 }, { L"MiddleName", 5 }, { L"LastName", 25 } };

// Payroll information is personal data: an application QuickBooks has not granted access to
// it neither reads nor writes it.
bool HasPersonalDataAccess(Company& company)
{
    return company.Preferences().GetPath(L"CurrentAppAccessRights.IsPersonalDataAccessAllowed").AsBool(false);
}

Json AsSeenByApplication(Company& company, Json employee)
{
    if (!HasPersonalDataAccess(company))
        employee.Remove(L"EmployeePayrollInfo");
    return employee;
}

// The earnings with their payroll items resolved; a refusal when one is unknown.
Json ResolveEarnings(Company& company, const Json& requested, Json& payroll)
{
    Json earnings = Json::MakeArray();
    for (Json earning : requested.GetPath(L"OREarnings.EarningsList").Items()) {
        Json* ref = earning.Find(L"PayrollItemWageRef");
        if (ref && !company.Resolve(kPayrollItemWages, *ref))
            return InvalidReference(L"Payroll Item Wage",
                                    ref->Get(L"ListID").AsString(ref->Get(L"FullName").AsString()));
        earnings.Push(earning);
    }
    if (earnings.Size() > 0) {
        Json orEarnings = Json::MakeObject();
        orEarnings.Set(L"EarningsList", earnings);
        payroll.Set(L"OREarnings", orEarnings);
    }
    return Json();
}

}  // namespace

Json EmployeeQuery(Company& company, const Json& request)
{
    std::vector<Json> rets = QueryList(company, kEmployees, request.GetPath(L"ORListQuery.ListFilter"), AnyRecord);
    for (Json& ret : rets)
        ret = AsSeenByApplication(company, ret);
    return AnswerQuery(L"IEmployeeRetList", rets, request);
}

Json EmployeeAdd(Company& company, const Json& request)
{
    Json employee = Json::MakeObject();
    employee.Set(L"IsActive", request.Get(L"IsActive").AsBool(true));
    for (const NameLimit& limit : kNameLimits) {
        std::wstring name = request.Get(limit.element).AsString();
        if (name.size() > limit.length)
            return StringTooLong(limit.element, name);
        if (request.Has(limit.element))
            employee.Set(limit.element, Quorvane::ThroughCodePage1252(name));
    }
    Company::CompleteEmployeeName(employee);
    if (IsEntityNameInUse(company, employee.Get(L"Name").AsString()))
        return NameNotUnique(employee.Get(L"Name").AsString());
    const Json& requested = request.Get(L"EmployeePayrollInfo");
    if (!requested.IsNull()) {
        if (!HasPersonalDataAccess(company))
            return NoPersonalDataAccess();
        Json payroll = Json::MakeObject();
        Json refusal = ResolveEarnings(company, requested, payroll);
        if (!refusal.IsNull())
            return refusal;
        if (requested.Has(L"UseTimeDataToCreatePaychecks"))
            payroll.Set(L"UseTimeDataToCreatePaychecks", requested.Get(L"UseTimeDataToCreatePaychecks"));
        employee.Set(L"EmployeePayrollInfo", payroll);
    }
    return Answer(L"IEmployeeRet", AsSeenByApplication(company, company.Insert(kEmployees, employee)));
}

Json EmployeeMod(Company& company, const Json& request)
{
    std::wstring listId = request.Get(L"ListID").AsString();
    Json* employee = company.FindById(kEmployees, listId);
    if (!employee)
        return ObjectNotFound(listId);
    if (request.Get(L"EditSequence").AsString() != employee->Get(L"EditSequence").AsString())
        return OutdatedEditSequence(request.Get(L"EditSequence").AsString());
    const Json& payroll = request.Get(L"EmployeePayrollInfoMod");
    if (!payroll.IsNull() && !HasPersonalDataAccess(company))
        return NoPersonalDataAccess();
    const Json& value = payroll.Get(L"UseTimeDataToCreatePaychecks");
    if (!value.IsNull()) {
        if (!employee->Has(L"EmployeePayrollInfo"))
            employee->Set(L"EmployeePayrollInfo", Json::MakeObject());
        employee->Find(L"EmployeePayrollInfo")->Set(L"UseTimeDataToCreatePaychecks", value);
    }
    employee->Set(L"EditSequence", company.NewEditSequence());
    company.NoteChanged(kEmployees, listId);
    return Answer(L"IEmployeeRet", AsSeenByApplication(company, *employee));
}

}  // namespace QbSim
