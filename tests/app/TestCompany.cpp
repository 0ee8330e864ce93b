#include "TestCompany.h"

#include <sstream>

#include "core/CustomerJobService.h"

using namespace Quorvane;

namespace {

TestCompany::RecordPtr NewRecord(int day, int minutes, const boost::shared_ptr<ICustomerJobService>& naming)
{
    TestCompany::RecordPtr record(new TimeTrackRecord(2012, 3, day, minutes));
    record->SetNamingService(naming);
    return record;
}

void AddRule(MappingCollection& rules, const std::wstring& source, const std::wstring& target, int state)
{
    boost::shared_ptr<Mapping> rule(new Mapping());
    rule->SetSource(source);
    rule->SetFlag(true);
    rule->SetTarget(target, state);
    rules.Add(rule);
}

TestCompany::EmployeePtr NewEmployee(const std::wstring& id, const std::wstring& first, const std::wstring& last,
                                     const std::wstring& middle)
{
    TestCompany::EmployeePtr employee(new Employee());
    employee->SetId(id);
    employee->SetFirstName(first);
    employee->SetLastName(last);
    employee->SetMiddleName(middle);
    employee->SetUsesTimeData(true);
    employee->SetUsesTimeDataValue(1);
    return employee;
}

void AppendSide(std::ostringstream& line, const TestCompany::RecordPtr& side)
{
    if (side)
        line << side->GetDuration();
    else
        line << "-";
}

}  // namespace

DateTime March(int day)
{
    return DateTime(day, 3, 2012);
}

TestCompany::TestCompany() : model(new MainModel()), config(new Config())
{
    DateRange period;
    period.SetStart(March(1));
    period.SetEnd(March(31));
    config->SetPeriod(period);
    config->SetMappingType(2);
    config->SetServiceItemAccount(L"A1");
    config->SetServiceItemGroup(true);
    config->SetNameConvention(1);
    config->SetTimeTrackDescription(true);
    config->SetImportLeaveType(true);
    model->SetConfig(config);
    model->SetPayrollItems(boost::shared_ptr<PayRollCollection>(new PayRollCollection()));
    model->SetLeaveTypes(boost::shared_ptr<PayRollCollection>(new PayRollCollection()));
    boost::shared_ptr<AccountCollection> accounts(new AccountCollection());
    boost::shared_ptr<Account> account(new Account());
    account->SetId(L"A1");
    accounts->Add(account);
    model->SetAccounts(accounts);
}

TestCompany::EmployeePtr TestCompany::AddServerUser(const std::wstring& id, const std::wstring& first,
                                                    const std::wstring& last, const std::wstring& middle)
{
    EmployeePtr user = NewEmployee(id, first, last, middle);
    user->SetUserName(first);
    model->GetServerEmployees()->Add(user);
    return user;
}

TestCompany::EmployeePtr TestCompany::AddQuickBooksEmployee(const std::wstring& listId, const std::wstring& first,
                                                            const std::wstring& last, const std::wstring& middle)
{
    EmployeePtr employee = NewEmployee(listId, first, last, middle);
    model->GetQuickBooksEmployees()->Add(employee);
    return employee;
}

void TestCompany::AddPayrollItem(const std::wstring& listId, const std::wstring& name)
{
    model->GetPayrollItems()->Add(boost::shared_ptr<PayRoll>(new PayRoll(name, listId)));
}

void TestCompany::AddLeaveType(const std::wstring& id, const std::wstring& name)
{
    model->GetLeaveTypes()->Add(boost::shared_ptr<PayRoll>(new PayRoll(name, id)));
}

void TestCompany::MapEmployee(const std::wstring& userId, const std::wstring& listId, int state)
{
    AddRule(*config->GetEmployeeMappings(), userId, listId, state);
}

void TestCompany::MapPayroll(const std::wstring& userId, const std::wstring& listId, int state)
{
    AddRule(*config->GetPayrollTypeMappings(), userId, listId, state);
}

void TestCompany::MapLeaveType(const std::wstring& leaveTypeId, const std::wstring& listId, int state)
{
    AddRule(*config->GetLeaveTypeMappings(), leaveTypeId, listId, state);
}

TestCompany::RecordPtr TestCompany::AddServerWork(const EmployeePtr& user, int day, int minutes,
                                                  const std::wstring& customer, const std::wstring& project,
                                                  const std::wstring& notes, int billing)
{
    RecordPtr record = NewRecord(
        day, minutes,
        boost::shared_ptr<ICustomerJobService>(new QVCustomerJobService(customer, project, L"Task", L"Labor")));
    record->SetNotes(notes);
    record->SetBillable(billing == 1 ? 1 : 0);
    record->SetProjectName(project);
    record->SetTaskName(L"Task");
    user->AddTimeTrackRecord(record);
    return record;
}

TestCompany::RecordPtr TestCompany::AddServerLeave(const EmployeePtr& user, int day, int minutes,
                                                   const std::wstring& leaveType)
{
    RecordPtr record =
        NewRecord(day, minutes, boost::shared_ptr<ICustomerJobService>(new QBCustomerJobService(L"", L"")));
    record->SetLeave(1);
    record->SetPayrollItemName(leaveType);
    user->AddTimeTrackRecord(record);
    return record;
}

TestCompany::RecordPtr TestCompany::AddQuickBooksEntry(const EmployeePtr& employee, int day, int minutes,
                                                       const std::wstring& customerJob, const std::wstring& serviceItem,
                                                       const std::wstring& notes, int billing,
                                                       const std::wstring& payrollItem)
{
    RecordPtr record = NewRecord(
        day, minutes, boost::shared_ptr<ICustomerJobService>(new QBCustomerJobService(customerJob, serviceItem)));
    record->SetNotes(notes);
    record->SetBillable(billing == 1 ? 1 : 0);
    record->SetBilled(billing == 2 ? 1 : 0);
    record->SetPayrollItemName(payrollItem);
    employee->AddTimeTrackRecord(record);
    return record;
}

std::string DescribeDiffs(const TimeTrackDiffCollection& diffs)
{
    std::ostringstream text;
    for (const boost::shared_ptr<TimeTrackDiff>& diff : diffs) {
        AppendSide(text, diff->GetQuickBooksSide());
        text << " > ";
        AppendSide(text, diff->GetImportSide());
        if (diff->IsBilledConflict())
            text << " conflict";
        if (diff->IsAbsentOnServer())
            text << " absent";
        TestCompany::RecordPtr side = diff->GetQuickBooksSide() ? diff->GetQuickBooksSide() : diff->GetImportSide();
        if (side->IsLeave())
            text << " leave";
        text << "\n";
    }
    return text.str();
}
