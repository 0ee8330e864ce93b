#pragma once
// A generated world on both sides: server users and their working and leave records (as they
// were when the program last imported, and as they are now), a QuickBooks company, the settings,
// and what happened in QuickBooks since that import and while this one runs. Everything comes
// from one seed, and the same seed always gives the same world.
#include <string>
#include <vector>

#include "core/DateTime.h"

struct WorldTask {
    std::wstring customer;
    std::wstring project;
    std::wstring task;
    std::wstring billingType;  // the service item when service items are grouped
    bool billable;
};

// A server user and the QuickBooks employee it is mapped to (-1: not imported at all). Two
// users may be mapped to one employee.
struct WorldUser {
    int id;
    std::wstring first;
    std::wstring middle;
    std::wstring last;
    int duplicateOf;  // the index of the user it is a duplicate of, or -1
    int employee;
    bool selected;
    bool hasPayrollItem;  // mapped to the wage item, or to none
};

struct WorldEmployee {
    std::wstring first;
    std::wstring middle;
    std::wstring last;
};

// The rule of a leave type now; at the last import every type was listed and imported.
enum WorldLeaveRule { NoLeaveRule = 0, LeaveMapped = 2, LeaveDoNotImport = 3, LeaveWithoutPayrollItem = 6 };

struct WorldLeaveType {
    int id;
    std::wstring name;
    bool listedNow;  // a type the server stopped listing is false
    int rule;  // a WorldLeaveRule, or 1 for a rule still to be chosen
};

// A server record before (at the last import) and now: -1 absent, 0 a record with no time spent.
struct WorldRecord {
    int user;
    int day;  // from the period's start; outside [0, days) lies outside the period
    int task;  // working time: the task; leave: the leave type
    bool leave;
    int before;
    int now;
    std::wstring comment;
    std::wstring commentNow;
};

// A change made in QuickBooks to the entry the last import wrote for a user's task (or leave
// type) on a day: before this load, or while this import runs, once its checks are done and
// before its first write.
struct WorldEdit {
    enum Kind { Bill, Duplicate, Retime, Renote, Remove, FlipBillable };
    Kind kind;
    bool duringImport;
    int user;
    int day;
    int task;
    bool leave;
    int minutes;
};

// An entry in QuickBooks that the program never wrote.
struct WorldForeignEntry {
    int employee;
    int day;
    int minutes;
    int task;  // -1: no customer:job and no service item
    std::wstring notes;
    int payroll;  // -1 none, 0 the wage item, n > 0 the payroll item of leave type n - 1
    int billing;  // as QuickBooks keeps it: 0 billable, 1 not billable, 2 billed
};

// QuickBooks accepts a write with a warning: the n-th write of a kind (0 first), if there is one.
struct WorldWarning {
    std::wstring request;  // empty: no warning
    int skip;
};

struct World {
    unsigned seed;
    Quorvane::DateTime start;
    int days;
    int mappingType;
    int nameConvention;
    bool serviceItemGroup;
    bool removal;
    bool projectNotes;
    bool taskNotes;
    bool entryNotes;
    bool importLeave;
    bool payrollItems;  // QuickBooks has payroll wage items at all

    std::vector<WorldTask> tasks;
    std::vector<WorldUser> users;
    std::vector<WorldEmployee> employees;
    std::vector<WorldLeaveType> leaveTypes;
    std::vector<WorldRecord> records;
    std::vector<WorldEdit> edits;
    std::vector<WorldForeignEntry> foreign;
    WorldWarning warning;

    Quorvane::DateTime Day(int offset) const;
};

World GenerateWorld(unsigned seed);

// The names the world's QuickBooks company and the program's rules give things.
extern const wchar_t kWagesName[];
// The customer:job of a task at the world's mapping level, as the server's naming gives it.
std::wstring CustomerJobOf(const World& world, const WorldTask& task);
// A service item named after a person by the world's name convention.
std::wstring PersonItemName(const World& world, const std::wstring& first, const std::wstring& middle,
                            const std::wstring& last);
std::wstring LeavePayrollName(const WorldLeaveType& type);

// Smaller or plainer worlds: a user, employee, leave type, record, edit or foreign entry fewer,
// a day fewer at either end, or a setting at its plainest.
std::vector<World> ShrinkCandidates(const World& world);

// The world as C++ statements that build it, to paste into a named test case.
std::string DescribeWorld(const World& world);
