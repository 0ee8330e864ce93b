#include "World.h"

#include <cstdio>
#include <functional>
#include <random>
#include <sstream>

using Quorvane::DateSpan;
using Quorvane::DateTime;

namespace {

const wchar_t* const kFirstNames[] = { L"Ann", L"Bob", L"Cleo", L"Dan", L"Eve" };
const wchar_t* const kLastNames[] = { L"Archer", L"Baker", L"Cole", L"Dunn" };
// Blanks at either end, case variants and characters of code page 1252 beyond ASCII: notes go
// into QuickBooks as they are, and each spelling is an entry of its own.
// Blanks only, a tab and the description's own " : " go into the notes as they are; characters
// outside code page 1252 go in as "?"; the server ends lines with CR LF.
const wchar_t* const kComments[] = { L"",
                                     L"fix",
                                     L"Fix",
                                     L" fix",
                                     L"fix  ",
                                     L"call",
                                     L"caf\u00e9",
                                     L"M\u00fcller\u2019s \u2013 5 \u20ac",
                                     L"\u0152uvre \u2039\u0178\u203a",
                                     L"CALL back",
                                     L"   ",
                                     L"fix\tnow",
                                     L"roof : gutter",
                                     L"\u4e2d\u6587 ok",
                                     L"call\r\nback" };
const wchar_t* const kForeignNotes[] = { L"", L"extra", L"Vacation", L"vacation", L"Sabbatical", L"Sick", L" Sick" };
const wchar_t* const kRequests[] = { L"TimeTrackingAdd", L"TimeTrackingMod", L"TxnDel" };

class Dice {
public:
    explicit Dice(unsigned seed) : m_engine(seed) {}
    // From low to high, both included.
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_engine); }
    bool Chance(int percent) { return Between(1, 100) <= percent; }
    template <size_t N>
    const wchar_t* Pick(const wchar_t* const (&items)[N])
    {
        return items[Between(0, N - 1)];
    }
    // Any minute up to ten hours: decimal hours lose a minute on many of them.
    int Minutes() { return Between(1, 600); }
    // Now and then one that the notes' limit in QuickBooks barely holds with the description.
    std::wstring Comment()
    {
        if (!Chance(5))
            return Pick(kComments);
        std::wstring text;
        while (text.size() < 4000)
            text += L"A long comment, w\u00e4hrend it goes on. ";
        return text.substr(0, Chance(50) ? 300 : 4000);
    }

private:
    std::mt19937 m_engine;
};

void AddTasks(World& world, Dice& dice)
{
    // Under one customer:job at the coarser levels: tasks of one billing type, and billing types
    // of one billability.
    const WorldTask::Age known = WorldTask::Known;
    const WorldTask tasks[] = {
        { L"Acme", L"Roof", L"Fix", L"Labor", Billable, known },
        { L"Acme", L"Roof", L"Paint", L"Design", NotBillable, known },
        { L"Birch", L"Deck", L"Fix", L"Labor", Billable, known },
        { L"Birch", L"Shed", L"Stain", L"Design", NotBillable, known },
        { L"Acme", L"Roof", L"Trim", L"Travel", Billable, known },
        { L"Birch", L"Deck", L"Sand", L"Labor", Billable, known },
    };
    world.tasks.assign(tasks, tasks + 6);
    if (dice.Chance(35)) {
        const WorldTask added = { L"Cedar", L"Barn", L"Haul", L"Hauling", Billable, WorldTask::Added };
        world.tasks.push_back(added);
    }
}

// Every rule the mapping checks let through: a rule still to be chosen (which a listed type
// without a rule gets), or leave imported without a payroll item while QuickBooks has payroll
// items, only while leave is not imported.
void AddLeaveTypes(World& world, Dice& dice)
{
    const wchar_t* const names[] = { L"Vacation", L"Sick", L"Sabbatical" };
    for (int i = 0; i < 3; ++i) {
        WorldLeaveType type;
        type.id = 10 + i;
        type.name = names[i];
        type.listedNow = i < 2 || dice.Chance(50);
        const WorldLeaveRule imported = world.payrollItems ? LeaveMapped : LeaveWithoutPayrollItem;
        const int roll = dice.Between(1, 100);
        type.rule = roll <= 55 ? imported : roll <= 75 ? LeaveDoNotImport : roll <= 90 ? NoLeaveRule : LeaveToChoose;
        // The load gives a listed type without a rule one still to be chosen.
        if ((type.rule == LeaveToChoose || (type.rule == NoLeaveRule && type.listedNow)) && world.importLeave)
            type.rule = LeaveDoNotImport;
        if (!world.importLeave && world.payrollItems && dice.Chance(20))
            type.rule = LeaveWithoutPayrollItem;
        world.leaveTypes.push_back(type);
    }
}

void AddUsers(World& world, Dice& dice)
{
    const int count = dice.Between(1, 6);
    for (int i = 0; i < count; ++i) {
        WorldUser user;
        user.id = 100 + i;
        user.duplicateOf = i > 0 && dice.Chance(20) ? dice.Between(0, i - 1) : -1;
        // A duplicate of a duplicate duplicates the first of them.
        if (user.duplicateOf >= 0 && world.users[user.duplicateOf].duplicateOf >= 0)
            user.duplicateOf = world.users[user.duplicateOf].duplicateOf;
        const WorldUser* original = user.duplicateOf >= 0 ? &world.users[user.duplicateOf] : NULL;
        user.first = original ? original->first : dice.Pick(kFirstNames);
        user.last = original ? original->last : dice.Pick(kLastNames);
        user.middle = original ? original->middle : (dice.Chance(30) ? L"J" : L"");
        user.employee = -1;
        const int rule = dice.Between(1, 100);
        user.rule = rule <= 15 ? EmployeeDoNotImport : rule <= 25 ? EmployeeToChoose : EmployeeMapped;
        if (user.rule == EmployeeToChoose) {
            // Mostly an employee of the user's names: the load maps the rule to it.
            if (dice.Chance(70)) {
                const WorldEmployee namesake = { user.first, user.middle, user.last };
                world.employees.push_back(namesake);
            }
        } else if (user.rule == EmployeeMapped && !world.employees.empty() && dice.Chance(15)) {
            user.employee = dice.Between(0, static_cast<int>(world.employees.size()) - 1);
        } else if (user.rule == EmployeeMapped) {
            WorldEmployee employee = { dice.Pick(kFirstNames), dice.Chance(30) ? L"Q" : L"", dice.Pick(kLastNames) };
            user.employee = static_cast<int>(world.employees.size());
            world.employees.push_back(employee);
        }
        user.selected = dice.Chance(80);
        user.payroll = world.payrollItems && dice.Chance(85) ? WagePayrollItem : NoPayrollItem;
        world.users.push_back(user);
    }
    // An employee that no server user is mapped to, with entries of its own.
    WorldEmployee other = { L"Olga", L"", L"Other" };
    world.employees.push_back(other);
}

int NowMinutes(Dice& dice, int before)
{
    const int roll = dice.Between(1, 100);
    if (roll <= 15)
        return -1;
    if (roll <= 20)
        return 0;
    if (before > 0 && roll <= 65)
        return before;
    return dice.Minutes();
}

void AddRecords(World& world, Dice& dice)
{
    for (size_t user = 0; user < world.users.size(); ++user) {
        const int count = dice.Between(0, 6);
        for (int i = 0; i < count; ++i) {
            WorldRecord record;
            record.user = static_cast<int>(user);
            // Often on the day of the record before: records that meet under one customer:job.
            const bool sameDay = i > 0 && dice.Chance(40);
            record.day = sameDay ? world.records.back().day : dice.Between(-1, world.days);
            record.leave = dice.Chance(25);
            record.task = record.leave ? dice.Between(0, 2) : dice.Between(0, static_cast<int>(world.tasks.size()) - 1);
            const int roll = dice.Between(1, 100);
            const bool added = !record.leave && world.tasks[record.task].age == WorldTask::Added;
            record.before = roll <= 30 || added ? -1 : roll <= 33 ? 0 : dice.Minutes();
            record.now = NowMinutes(dice, record.before);
            record.comment = dice.Comment();
            record.commentNow = !dice.Chance(10) ? record.comment : dice.Comment();
            world.records.push_back(record);
        }
    }
}

// Edits aim at what a record was imported as, so that most of them find an entry.
void AddQuickBooksChanges(World& world, Dice& dice)
{
    const int edits = world.records.empty() ? 0 : dice.Between(0, 3);
    for (int i = 0; i < edits; ++i) {
        const WorldRecord& record = world.records[dice.Between(0, static_cast<int>(world.records.size()) - 1)];
        WorldEdit edit;
        const int moment = dice.Between(1, 100);
        edit.moment = moment <= 25 ? DuringImport : moment <= 35 ? AfterPreview : BeforeLoad;
        const WorldEdit::Kind duringImport[] = { WorldEdit::Bill, WorldEdit::Retime, WorldEdit::Remove };
        edit.kind = edit.moment == DuringImport ? duringImport[dice.Between(0, 2)]
                                                : static_cast<WorldEdit::Kind>(dice.Between(0, 5));
        edit.user = record.user;
        edit.day = record.day;
        edit.task = record.task;
        edit.leave = record.leave;
        edit.minutes = dice.Chance(10) ? 0 : dice.Minutes();
        world.edits.push_back(edit);
        // Billed time the bookkeeper then sets to nothing: billed, and still on the server.
        if (edit.kind == WorldEdit::Bill && edit.moment == BeforeLoad && dice.Chance(40)) {
            edit.kind = WorldEdit::Retime;
            edit.minutes = 0;
            world.edits.push_back(edit);
        }
    }
    const int foreign = dice.Between(0, 3);
    for (int i = 0; i < foreign; ++i) {
        WorldForeignEntry entry;
        entry.employee = dice.Between(0, static_cast<int>(world.employees.size()) - 1);
        entry.day = dice.Between(-1, world.days);
        entry.minutes = dice.Chance(10) ? 0 : dice.Minutes();
        entry.charge = static_cast<WorldCharge>(dice.Between(NoCharge, ServiceItemOnly));
        entry.task = dice.Between(0, 5);  // a task whose names QuickBooks has
        entry.notes = dice.Pick(kForeignNotes);
        entry.payroll = world.payrollItems ? static_cast<WorldPayroll>(dice.Between(0, 2)) : NoPayrollItem;
        entry.leaveType = dice.Between(0, static_cast<int>(world.leaveTypes.size()) - 1);
        // QuickBooks bills only time charged to a customer:job.
        entry.billing = entry.charge == CustomerJobAndItem || entry.charge == CustomerJobOnly
                            ? static_cast<WorldBilling>(dice.Between(Billable, Billed))
                            : NotBillable;
        world.foreign.push_back(entry);
    }
    world.answer.skip = dice.Between(0, 3);
    world.answer.kind = dice.Chance(30) ? WorldAnswer::Error : WorldAnswer::Warning;
    if (dice.Chance(30))
        world.answer.request = dice.Pick(kRequests);
    world.stopAfter = dice.Chance(10) ? dice.Between(1, 3) : 0;
    world.timeWindowOpen = dice.Chance(5);
    world.createItems = dice.Chance(50);
    world.duplicatesListed = dice.Chance(50);
    // Not where QuickBooks respelled its names: the import would take them for items to create.
    if (!world.quickBooksCapitals && dice.Chance(20))
        world.renamedAfterPreview = dice.Chance(50) ? L"Acme" : L"Birch";
}

template <typename T>
std::vector<T> Without(const std::vector<T>& items, size_t index)
{
    std::vector<T> rest(items);
    rest.erase(rest.begin() + index);
    return rest;
}

// -1 for the removed index, one less for those after it.
int Renumbered(int value, int removed)
{
    return value == removed ? -1 : value - (value > removed ? 1 : 0);
}

// The items that did not point at the removed index, their pointers renumbered.
template <typename T>
std::vector<T> RenumberedKeeping(const std::vector<T>& items, int T::*pointer, int removed)
{
    std::vector<T> kept;
    for (T item : items) {
        item.*pointer = Renumbered(item.*pointer, removed);
        if (item.*pointer >= 0)
            kept.push_back(item);
    }
    return kept;
}

World WithoutUser(const World& world, int index)
{
    World smaller = world;
    smaller.users = Without(world.users, index);
    for (WorldUser& user : smaller.users)
        user.duplicateOf = Renumbered(user.duplicateOf, index);
    smaller.records = RenumberedKeeping(world.records, &WorldRecord::user, index);
    smaller.edits = RenumberedKeeping(world.edits, &WorldEdit::user, index);
    return smaller;
}

// Its users are no longer imported, and its own entries go with it.
World WithoutEmployee(const World& world, int index)
{
    World smaller = world;
    smaller.employees = Without(world.employees, index);
    for (WorldUser& user : smaller.users) {
        user.employee = Renumbered(user.employee, index);
        user.rule = user.rule == EmployeeMapped && user.employee < 0 ? EmployeeDoNotImport : user.rule;
    }
    smaller.foreign = RenumberedKeeping(world.foreign, &WorldForeignEntry::employee, index);
    return smaller;
}

World WithoutLeaveType(const World& world, int index)
{
    World smaller = world;
    smaller.leaveTypes = Without(world.leaveTypes, index);
    smaller.records.clear();
    for (WorldRecord record : world.records) {
        if (record.leave && (record.task = Renumbered(record.task, index)) < 0)
            continue;
        smaller.records.push_back(record);
    }
    smaller.edits.clear();
    for (WorldEdit edit : world.edits) {
        if (edit.leave && (edit.task = Renumbered(edit.task, index)) < 0)
            continue;
        smaller.edits.push_back(edit);
    }
    for (WorldForeignEntry& entry : smaller.foreign) {
        entry.leaveType = Renumbered(entry.leaveType, index);
        if (entry.leaveType < 0) {
            entry.leaveType = 0;
            entry.payroll = entry.payroll == LeavePayrollItem ? NoPayrollItem : entry.payroll;
        }
    }
    return smaller;
}

// The period starts a day later; what lay on the day before the old start is gone.
World WithoutFirstDay(const World& world)
{
    World smaller = world;
    smaller.start = world.Day(1);
    --smaller.days;
    smaller.records.clear();
    for (WorldRecord record : world.records)
        if (--record.day >= -1)
            smaller.records.push_back(record);
    smaller.edits.clear();
    for (WorldEdit edit : world.edits)
        if (--edit.day >= -1)
            smaller.edits.push_back(edit);
    smaller.foreign.clear();
    for (WorldForeignEntry entry : world.foreign)
        if (--entry.day >= -1)
            smaller.foreign.push_back(entry);
    return smaller;
}

void AddIfDifferent(std::vector<World>& candidates, const World& world, const std::function<void(World&)>& change)
{
    World plainer = world;
    change(plainer);
    if (DescribeWorld(plainer) != DescribeWorld(world))
        candidates.push_back(plainer);
}

void AddPlainerSettings(std::vector<World>& candidates, const World& world)
{
    AddIfDifferent(candidates, world, [](World& w) { w.answer.request.clear(); });
    AddIfDifferent(candidates, world, [](World& w) { w.answer.skip = 0; });
    AddIfDifferent(candidates, world, [](World& w) { w.stopAfter = 0; });
    AddIfDifferent(candidates, world, [](World& w) { w.timeWindowOpen = false; });
    AddIfDifferent(candidates, world, [](World& w) { w.renamedAfterPreview.clear(); });
    AddIfDifferent(candidates, world, [](World& w) { w.duplicatesListed = true; });
    AddIfDifferent(candidates, world, [](World& w) { w.quickBooksCapitals = false; });
    AddIfDifferent(candidates, world, [](World& w) { w.mappingType = 1; });
    AddIfDifferent(candidates, world, [](World& w) { w.nameConvention = 1; });
    AddIfDifferent(candidates, world, [](World& w) { w.serviceItemGroup = false; });
    AddIfDifferent(candidates, world, [](World& w) { w.projectNotes = false; });
    AddIfDifferent(candidates, world, [](World& w) { w.taskNotes = false; });
    AddIfDifferent(candidates, world, [](World& w) { w.entryNotes = false; });
    AddIfDifferent(candidates, world, [](World& w) {
        for (WorldUser& user : w.users)
            user.selected = true;
    });
    for (size_t i = 0; i < world.records.size(); ++i)
        AddIfDifferent(candidates, world, [i](World& w) {
            w.records[i].comment.clear();
            w.records[i].commentNow.clear();
        });
}

std::string Escaped(const std::wstring& text)
{
    std::ostringstream out;
    out << "L\"";
    for (wchar_t c : text) {
        if (c == L'"' || c == L'\\')
            out << '\\' << static_cast<char>(c);
        else if (c >= 32 && c < 127)
            out << static_cast<char>(c);
        else {
            char code[16];
            snprintf(code, sizeof code, "\\u%04x", static_cast<unsigned>(c));
            out << code;
        }
    }
    out << "\"";
    return out.str();
}

const char* Bool(bool value)
{
    return value ? "true" : "false";
}

}  // namespace

const wchar_t kWagesName[] = L"Wages";

std::wstring QuickBooksSpelling(const World& world, const std::wstring& name)
{
    std::wstring spelt(name);
    for (wchar_t& c : spelt)
        if (world.quickBooksCapitals && c >= L'a' && c <= L'z')
            c = static_cast<wchar_t>(c - L'a' + L'A');
    return spelt;
}

std::wstring RenamedAfterPreview(const World& world, const std::wstring& customerJob)
{
    const std::wstring& customer = world.renamedAfterPreview;
    if (customer.empty() || customerJob.compare(0, customer.size(), customer) != 0 ||
        (customerJob.size() > customer.size() && customerJob[customer.size()] != L':'))
        return customerJob;
    return customer + L" (closed)" + customerJob.substr(customer.size());
}

std::wstring CustomerJobOf(const World& world, const WorldTask& task, bool asServerSpells)
{
    std::wstring name;
    switch (world.mappingType) {
    case 2: name = task.customer + L":" + task.project; break;
    case 3: name = task.project; break;
    case 4: name = task.customer; break;
    default: name = task.customer + L":" + task.project + L":" + task.task; break;
    }
    return asServerSpells || task.age == WorldTask::Added ? name : QuickBooksSpelling(world, name);
}

std::wstring ServiceItemOf(const World& world, const WorldTask& task, bool asServerSpells)
{
    return asServerSpells || task.age == WorldTask::Added ? task.billingType
                                                          : QuickBooksSpelling(world, task.billingType);
}

std::wstring PersonItemName(const World& world, const std::wstring& first, const std::wstring& middle,
                            const std::wstring& last)
{
    const std::wstring initial = middle.empty() ? std::wstring() : L" " + middle + L".";
    return world.nameConvention == 1 ? last + L", " + first + initial : first + initial + L" " + last;
}

std::wstring LeavePayrollName(const WorldLeaveType& type)
{
    return type.name + L" Pay";
}

DateTime World::Day(int offset) const
{
    return start.Add(DateSpan::Days(offset));
}

World GenerateWorld(unsigned seed)
{
    Dice dice(seed);
    World world;
    world.seed = seed;
    // Periods cross weeks and month ends, a year end, or a leap day.
    const int around = dice.Between(1, 100);
    const DateTime from = around <= 70   ? DateTime(20, 1, 2026)
                          : around <= 85 ? DateTime(22, 12, 2027)
                                         : DateTime(20, 2, 2028);
    world.start = from.Add(DateSpan::Days(around <= 70 ? dice.Between(0, 40) : dice.Between(0, 9)));
    world.days = dice.Chance(15) ? dice.Between(10, 16) : dice.Between(2, 9);
    world.mappingType = dice.Between(1, 4);
    world.nameConvention = dice.Between(1, 2);
    world.serviceItemGroup = dice.Chance(50);
    world.removal = dice.Chance(50);
    world.projectNotes = dice.Chance(50);
    world.taskNotes = dice.Chance(50);
    world.entryNotes = dice.Chance(70);
    world.importLeave = dice.Chance(75);
    world.payrollItems = dice.Chance(80);
    world.quickBooksCapitals = dice.Chance(15);
    AddTasks(world, dice);
    AddLeaveTypes(world, dice);
    AddUsers(world, dice);
    AddRecords(world, dice);
    AddQuickBooksChanges(world, dice);
    world.deleteAbsent = dice.Chance(50);
    return world;
}

std::vector<World> ShrinkCandidates(const World& world)
{
    std::vector<World> candidates;
    for (size_t i = 0; i < world.users.size(); ++i)
        candidates.push_back(WithoutUser(world, static_cast<int>(i)));
    for (size_t i = 0; i < world.employees.size(); ++i)
        candidates.push_back(WithoutEmployee(world, static_cast<int>(i)));
    for (size_t i = 0; i < world.leaveTypes.size(); ++i)
        candidates.push_back(WithoutLeaveType(world, static_cast<int>(i)));
    for (size_t i = 0; i < world.records.size(); ++i) {
        candidates.push_back(world);
        candidates.back().records = Without(world.records, i);
    }
    for (size_t i = 0; i < world.edits.size(); ++i) {
        candidates.push_back(world);
        candidates.back().edits = Without(world.edits, i);
    }
    for (size_t i = 0; i < world.foreign.size(); ++i) {
        candidates.push_back(world);
        candidates.back().foreign = Without(world.foreign, i);
    }
    if (world.days > 1) {
        candidates.push_back(world);
        --candidates.back().days;
        candidates.push_back(WithoutFirstDay(world));
    }
    AddPlainerSettings(candidates, world);
    return candidates;
}

std::string DescribeWorld(const World& world)
{
    static const char* const kEdits[] = { "Bill", "Duplicate", "Retime", "Renote", "Remove", "FlipBillable" };
    std::ostringstream text;
    text << "World world = GenerateWorld(" << world.seed << ");\n"
         << "world.start = DateTime(" << world.start.GetDay() << ", " << world.start.GetMonth() << ", "
         << world.start.GetYear() << ");\n"
         << "world.days = " << world.days << ";\nworld.mappingType = " << world.mappingType
         << ";\nworld.nameConvention = " << world.nameConvention
         << ";\nworld.serviceItemGroup = " << Bool(world.serviceItemGroup)
         << ";\nworld.removal = " << Bool(world.removal) << ";\nworld.deleteAbsent = " << Bool(world.deleteAbsent)
         << ";\nworld.projectNotes = " << Bool(world.projectNotes) << ";\nworld.taskNotes = " << Bool(world.taskNotes)
         << ";\nworld.entryNotes = " << Bool(world.entryNotes) << ";\nworld.importLeave = " << Bool(world.importLeave)
         << ";\nworld.payrollItems = " << Bool(world.payrollItems)
         << ";\nworld.quickBooksCapitals = " << Bool(world.quickBooksCapitals)
         << ";\nworld.stopAfter = " << world.stopAfter << ";\nworld.timeWindowOpen = " << Bool(world.timeWindowOpen)
         << ";\nworld.createItems = " << Bool(world.createItems)
         << ";\nworld.duplicatesListed = " << Bool(world.duplicatesListed)
         << ";\nworld.renamedAfterPreview = " << Escaped(world.renamedAfterPreview) << ";\n";
    static const char* const kLeaveRules[] = {
        "NoLeaveRule", "LeaveToChoose", "LeaveMapped", "LeaveDoNotImport", "", "", "LeaveWithoutPayrollItem"
    };
    static const char* const kEmployeeRules[] = { "", "EmployeeToChoose", "EmployeeMapped", "EmployeeDoNotImport" };
    static const char* const kMoments[] = { "BeforeLoad", "AfterPreview", "DuringImport" };
    static const char* const kCharges[] = { "NoCharge", "CustomerJobAndItem", "CustomerJobOnly", "ServiceItemOnly" };
    static const char* const kPayrolls[] = { "NoPayrollItem", "WagePayrollItem", "LeavePayrollItem" };
    static const char* const kBillings[] = { "Billable", "NotBillable", "Billed" };
    text << "world.leaveTypes = {  // id, name, listed now, rule\n";
    for (const WorldLeaveType& type : world.leaveTypes)
        text << "    { " << type.id << ", " << Escaped(type.name) << ", " << Bool(type.listedNow) << ", "
             << kLeaveRules[type.rule] << " },\n";
    text << "};\nworld.users = {  // id, names, duplicate of, rule, employee, selected, payroll item\n";
    for (const WorldUser& user : world.users)
        text << "    { " << user.id << ", " << Escaped(user.first) << ", " << Escaped(user.middle) << ", "
             << Escaped(user.last) << ", " << user.duplicateOf << ", " << kEmployeeRules[user.rule] << ", "
             << user.employee << ", " << Bool(user.selected) << ", " << kPayrolls[user.payroll] << " },\n";
    text << "};\nworld.employees = {\n";
    for (const WorldEmployee& employee : world.employees)
        text << "    { " << Escaped(employee.first) << ", " << Escaped(employee.middle) << ", "
             << Escaped(employee.last) << " },\n";
    text << "};\nworld.records = {  // user, day, task or leave type, leave, before, now, comments\n";
    for (const WorldRecord& record : world.records)
        text << "    { " << record.user << ", " << record.day << ", " << record.task << ", " << Bool(record.leave)
             << ", " << record.before << ", " << record.now << ", " << Escaped(record.comment) << ", "
             << Escaped(record.commentNow) << " },\n";
    text << "};\nworld.edits = {  // kind, moment, user, day, task or leave type, leave, minutes\n";
    for (const WorldEdit& edit : world.edits)
        text << "    { WorldEdit::" << kEdits[edit.kind] << ", " << kMoments[edit.moment] << ", " << edit.user << ", "
             << edit.day << ", " << edit.task << ", " << Bool(edit.leave) << ", " << edit.minutes << " },\n";
    text << "};\nworld.foreign = {  // employee, day, minutes, charge, task, notes, payroll, leave type, billing\n";
    for (const WorldForeignEntry& entry : world.foreign)
        text << "    { " << entry.employee << ", " << entry.day << ", " << entry.minutes << ", "
             << kCharges[entry.charge] << ", " << entry.task << ", " << Escaped(entry.notes) << ", "
             << kPayrolls[entry.payroll] << ", " << entry.leaveType << ", " << kBillings[entry.billing] << " },\n";
    text << "};\nworld.answer = { " << Escaped(world.answer.request) << ", " << world.answer.skip
         << ", WorldAnswer::" << (world.answer.kind == WorldAnswer::Error ? "Error" : "Warning") << " };\n";
    return text.str();
}

std::vector<std::string> WorldTraits(const World& world)
{
    std::vector<std::string> traits;
    const auto note = [&traits](bool holds, const char* trait) {
        if (holds)
            traits.push_back(trait);
    };
    bool meeting = false, blanks = false, tab = false, crlf = false, colon = false, beyond1252 = false,
         nearLimit = false;
    bool leaveComment = false, working = false, toCreate = false, renamedToAdd = false;
    for (const WorldRecord& record : world.records) {
        const std::wstring& comment = record.commentNow;
        if (record.day < 0 || record.day >= world.days || record.now <= 0)
            continue;
        working = working || !record.leave;
        toCreate = toCreate || (!record.leave && world.tasks[record.task].age == WorldTask::Added &&
                                world.users[record.user].selected);
        renamedToAdd = renamedToAdd || (!record.leave && world.users[record.user].selected && record.before <= 0 &&
                                        world.tasks[record.task].customer == world.renamedAfterPreview);
        leaveComment = leaveComment || (record.leave && !comment.empty());
        blanks = blanks || (!comment.empty() && comment.find_first_not_of(L' ') == std::wstring::npos);
        tab = tab || comment.find(L'\t') != std::wstring::npos;
        crlf = crlf || comment.find(L"\r\n") != std::wstring::npos;
        colon = colon || comment.find(L" : ") != std::wstring::npos;
        nearLimit = nearLimit || comment.size() >= 4000;
        beyond1252 = beyond1252 || comment.find(L'\u4e2d') != std::wstring::npos;
        for (const WorldRecord& other : world.records)
            meeting = meeting ||
                      (!record.leave && !other.leave && &other != &record && other.user == record.user &&
                       other.day == record.day && other.now > 0 && other.task != record.task &&
                       CustomerJobOf(world, world.tasks[other.task]) == CustomerJobOf(world, world.tasks[record.task]));
    }
    bool customerJobOnly = false, itemOnly = false, noMinutes = false, billedNothing = false, afterPreview = false;
    for (const WorldForeignEntry& entry : world.foreign) {
        customerJobOnly = customerJobOnly || entry.charge == CustomerJobOnly;
        itemOnly = itemOnly || entry.charge == ServiceItemOnly;
        noMinutes = noMinutes || entry.minutes == 0;
    }
    for (const WorldEdit& edit : world.edits) {
        afterPreview = afterPreview || edit.moment == AfterPreview;
        noMinutes = noMinutes || (edit.kind == WorldEdit::Retime && edit.minutes == 0);
        for (const WorldEdit& billing : world.edits)
            billedNothing = billedNothing ||
                            (edit.kind == WorldEdit::Retime && edit.minutes == 0 && billing.kind == WorldEdit::Bill &&
                             billing.moment == edit.moment && billing.user == edit.user && billing.day == edit.day &&
                             billing.task == edit.task && billing.leave == edit.leave);
    }
    bool duplicateApart = false;
    for (const WorldUser& user : world.users)
        duplicateApart = duplicateApart || (!world.duplicatesListed && user.duplicateOf >= 0);
    bool toChoose = false;
    for (const WorldUser& user : world.users)
        toChoose = toChoose || user.rule == EmployeeToChoose;
    const DateTime last = world.Day(world.days - 1);
    note(world.quickBooksCapitals && working, "names that differ in letter case only");
    note(customerJobOnly, "an entry with a customer:job and no service item");
    note(itemOnly, "an entry with a service item and no customer:job");
    note(meeting, "two tasks of one user's day under one customer:job");
    note(afterPreview, "QuickBooks changed after the preview");
    note(last.GetYear() != world.start.GetYear(), "a period across a year end");
    note(!(DateTime(29, 2, 2028) < world.start) && !(last < DateTime(29, 2, 2028)), "a period with a leap day");
    note(world.days > 9, "a period longer than 9 days");
    note(blanks, "a comment of blanks only");
    note(tab, "a comment with a tab");
    note(crlf, "a comment with CR LF");
    note(colon, "a comment with \" : \"");
    note(beyond1252, "a comment outside code page 1252");
    note(nearLimit, "a comment near the notes' limit");
    note(leaveComment, "a leave record with a comment");
    note(noMinutes, "a QuickBooks entry of 0 minutes");
    note(billedNothing, "a billed QuickBooks entry of 0 minutes");
    note(duplicateApart, "a duplicate user the server names only beside its original");
    note(world.users.size() > 4, "more than 4 users");
    note(toChoose, "an employee rule still to be chosen");
    note(world.stopAfter > 0, "a stopped import");
    note(toCreate && world.createItems, "a customer:job or service item for the import to create");
    note(toCreate && !world.createItems, "a customer:job or service item it may not create");
    note(world.timeWindowOpen, "an open time-entry window");
    note(renamedToAdd, "a customer:job gone from QuickBooks since the preview");
    note(world.deleteAbsent, "absent entries deleted by the answer to the import's question");
    note(!world.answer.request.empty() && world.answer.kind == WorldAnswer::Error, "a QuickBooks error");
    return traits;
}
