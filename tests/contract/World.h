#pragma once
// A generated world on both sides: server users and their working and leave records (as they
// were when the program last imported, and as they are now), a QuickBooks company, the settings,
// and what happened in QuickBooks since that import. Everything comes from one seed, and the
// same seed always gives the same world.
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

// A server user and the QuickBooks employee it is mapped to (-1: not imported at all).
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

struct WorldLeaveType {
    int id;
    std::wstring name;
    bool listedNow;  // a type the server stopped listing is false
    int rule;  // the leave type rule's state now
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

// A change made in QuickBooks since the last import, to the n-th entry then (modulo their count).
struct WorldEdit {
    enum Kind { Bill, Duplicate, Retime, Renote, Remove, FlipBillable };
    Kind kind;
    int entry;
    int minutes;
};

// An entry in QuickBooks that the program never wrote.
struct WorldForeignEntry {
    int employee;
    int day;
    int minutes;
    int task;  // -1: no customer:job and no service item
    std::wstring notes;
    int billing;  // 0 not billable, 1 billable, 2 billed
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

    Quorvane::DateTime Day(int offset) const;
};

World GenerateWorld(unsigned seed);

// Smaller worlds: one user, one record, one edit or foreign entry, or the last day fewer.
std::vector<World> ShrinkCandidates(const World& world);

// Everything of the world, one fact per line.
std::string DescribeWorld(const World& world);
