#pragma once
// A hand-built company on both sides, in memory: server users with their entries, QuickBooks
// employees with theirs, payroll items, leave types and the rules between them.
#include <string>

#include <boost/shared_ptr.hpp>

#include "app/MainModel.h"

struct TestCompany {
    typedef boost::shared_ptr<Quorvane::Employee> EmployeePtr;
    typedef boost::shared_ptr<Quorvane::TimeTrackRecord> RecordPtr;

    // Mapping type 2 (customer:project), an existing service item account, service items named by
    // the entries, notes as the description, leave imported; the period is March 2012.
    TestCompany();

    EmployeePtr AddServerUser(const std::wstring& id, const std::wstring& first, const std::wstring& last,
                              const std::wstring& middle = L"");
    EmployeePtr AddQuickBooksEmployee(const std::wstring& listId, const std::wstring& first, const std::wstring& last,
                                      const std::wstring& middle = L"");
    void AddPayrollItem(const std::wstring& listId, const std::wstring& name);
    void AddLeaveType(const std::wstring& id, const std::wstring& name);

    void MapEmployee(const std::wstring& userId, const std::wstring& listId, int state = Quorvane::Mapping::Mapped);
    void MapPayroll(const std::wstring& userId, const std::wstring& listId, int state = Quorvane::Mapping::Mapped);
    void MapLeaveType(const std::wstring& leaveTypeId, const std::wstring& listId,
                      int state = Quorvane::Mapping::Mapped);

    // billing: 0 not billable, 1 billable, 2 billed (QuickBooks only).
    RecordPtr AddServerWork(const EmployeePtr& user, int day, int minutes, const std::wstring& customer,
                            const std::wstring& project, const std::wstring& notes, int billing);
    RecordPtr AddServerLeave(const EmployeePtr& user, int day, int minutes, const std::wstring& leaveType);
    RecordPtr AddQuickBooksEntry(const EmployeePtr& employee, int day, int minutes, const std::wstring& customerJob,
                                 const std::wstring& serviceItem, const std::wstring& notes, int billing,
                                 const std::wstring& payrollItem);

    boost::shared_ptr<MainModel> model;
    boost::shared_ptr<Quorvane::Config> config;
};

Quorvane::DateTime March(int day);

// One line per diff: QuickBooks minutes " > " import minutes ("-" for a missing side), then
// " conflict", " absent" and " leave" (the QuickBooks side's flag, else the import side's).
std::string DescribeDiffs(const Quorvane::TimeTrackDiffCollection& diffs);
