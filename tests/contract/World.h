#pragma once
// A generated world on both sides: server users and their working and leave records (as they
// were when the program last imported, and as they are now), a QuickBooks company, the settings,
// and what happened in QuickBooks since that import and while this one runs. Everything comes
// from one seed, and the same seed always gives the same world.
#include <string>
#include <vector>

#include "core/DateTime.h"

// As QuickBooks keeps an entry's billing.
enum WorldBilling { Billable = 0, NotBillable = 1, Billed = 2 };

struct WorldTask {
    std::wstring customer;
    std::wstring project;
    std::wstring task;
    std::wstring billingType;  // the service item when service items are grouped
    WorldBilling billing;  // of the billing type: billable or not
    // New on the server since the last import, or known to QuickBooks by all of its names.
    enum Age { Known, Added } age;
};

// The payroll item an entry names, or a user's rule maps its working time to.
enum WorldPayroll { NoPayrollItem, WagePayrollItem, LeavePayrollItem };

// A user's employee rule; its values are the rule states the settings keep.
enum WorldEmployeeRule { EmployeeToChoose = 1, EmployeeMapped = 2, EmployeeDoNotImport = 3 };

// A server user and the QuickBooks employee its rule maps it to (-1: none). Two users may be
// mapped to one employee; a rule still to be chosen is mapped by the load to an employee of the
// same names, when there is one.
struct WorldUser {
    int id;
    std::wstring first;
    std::wstring middle;
    std::wstring last;
    int duplicateOf;  // the index of the user it is a duplicate of, or -1
    WorldEmployeeRule rule;
    int employee;
    bool selected;
    WorldPayroll payroll;  // the wage item, or none
};

struct WorldEmployee {
    std::wstring first;
    std::wstring middle;
    std::wstring last;
};

// The rule of a leave type now, as the settings keep its state; at the last import every type
// was listed and imported.
enum WorldLeaveRule {
    NoLeaveRule = 0,
    LeaveToChoose = 1,
    LeaveMapped = 2,
    LeaveDoNotImport = 3,
    LeaveWithoutPayrollItem = 6
};

struct WorldLeaveType {
    int id;
    std::wstring name;
    bool listedNow;  // a type the server stopped listing is false
    WorldLeaveRule rule;
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

// When QuickBooks is changed: before this load; after its preview, before the import looks for
// changes since the preview; or while the import runs, once its checks are done and before its
// first write.
enum WorldMoment { BeforeLoad, AfterPreview, DuringImport };

// A change made in QuickBooks to the entry the last import wrote for a user's task (or leave
// type) on a day.
struct WorldEdit {
    enum Kind { Bill, Duplicate, Retime, Renote, Remove, FlipBillable };
    Kind kind;
    WorldMoment moment;
    int user;
    int day;
    int task;
    bool leave;
    int minutes;
};

// What of a task's customer:job and service item an entry names.
enum WorldCharge { NoCharge, CustomerJobAndItem, CustomerJobOnly, ServiceItemOnly };

// An entry in QuickBooks that the program never wrote.
struct WorldForeignEntry {
    int employee;
    int day;
    int minutes;
    WorldCharge charge;
    int task;  // whose customer:job and service item it names
    std::wstring notes;
    WorldPayroll payroll;
    int leaveType;  // whose payroll item a leave payroll item is
    WorldBilling billing;
};

// QuickBooks answers the n-th write of a kind (0 first), if there is one, with a warning (the
// write is done) or an error (it is not, and the import stops).
struct WorldAnswer {
    enum Kind { Warning, Error };
    std::wstring request;  // empty: every write is accepted
    int skip;
    Kind kind;
};

struct World {
    unsigned seed;
    Quorvane::DateTime start;
    int days;
    int mappingType;
    int nameConvention;
    bool serviceItemGroup;
    bool removal;
    // The bookkeeper's answer when the import asks whether entries absent from the server are
    // deleted; the setting above is only the answer it offers.
    bool deleteAbsent;
    bool projectNotes;
    bool taskNotes;
    bool entryNotes;
    bool importLeave;
    bool payrollItems;  // QuickBooks has payroll wage items at all
    bool quickBooksCapitals;  // since the last import, customers and billing types' items were renamed in capitals
    int stopAfter;  // the bookkeeper presses Stop during the n-th employee the import begins; 0: never
    bool timeWindowOpen;  // a QuickBooks window for entering time is open when the import starts
    bool createItems;  // the settings let the import create the customers, jobs and service items it lacks
    // The server lists a duplicate user with time among the users to import, and not only beside
    // its original, which it names it with.
    bool duplicatesListed;
    // A customer QuickBooks renames after the preview, its jobs with it; empty: none is.
    std::wstring renamedAfterPreview;

    std::vector<WorldTask> tasks;
    std::vector<WorldUser> users;
    std::vector<WorldEmployee> employees;
    std::vector<WorldLeaveType> leaveTypes;
    std::vector<WorldRecord> records;
    std::vector<WorldEdit> edits;
    std::vector<WorldForeignEntry> foreign;
    WorldAnswer answer;

    Quorvane::DateTime Day(int offset) const;
};

World GenerateWorld(unsigned seed);

// The kinds of data a world holds that a real company's data may hold, by name: a tally of them
// over many worlds shows what the generator reaches.
std::vector<std::string> WorldTraits(const World& world);

// The names the world's QuickBooks company and the program's rules give things.
extern const wchar_t kWagesName[];
// The customer:job of a task at the world's mapping level, and the service item of its billing
// type, as QuickBooks spells them now, or as the server does (and as the import creates them).
std::wstring CustomerJobOf(const World& world, const WorldTask& task, bool asServerSpells = false);
std::wstring ServiceItemOf(const World& world, const WorldTask& task, bool asServerSpells = false);
// A name as QuickBooks spells it since its customers and items were renamed.
std::wstring QuickBooksSpelling(const World& world, const std::wstring& name);
// A service item named after a person by the world's name convention.
std::wstring PersonItemName(const World& world, const std::wstring& first, const std::wstring& middle,
                            const std::wstring& last);
std::wstring LeavePayrollName(const WorldLeaveType& type);
// A customer:job as QuickBooks names it once the customer renamed after the preview is.
std::wstring RenamedAfterPreview(const World& world, const std::wstring& customerJob);

// Smaller or plainer worlds: a user, employee, leave type, record, edit or foreign entry fewer,
// a day fewer at either end, or a setting at its plainest.
std::vector<World> ShrinkCandidates(const World& world);

// The world as C++ statements that build it, to paste into a named test case.
std::string DescribeWorld(const World& world);
