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
const wchar_t* const kComments[] = { L"",         L"fix",  L"Fix",       L" fix",
                                     L"fix  ",    L"call", L"caf\u00e9", L"M\u00fcller\u2019s \u2013 5 \u20ac",
                                     L"CALL back" };
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
    std::wstring Comment()
    {
        if (!Chance(5))
            return Pick(kComments);
        std::wstring text;
        while (text.size() < 300)
            text += L"A long comment, w\u00e4hrend it goes on. ";
        return text;
    }

private:
    std::mt19937 m_engine;
};

void AddTasks(World& world)
{
    const WorldTask tasks[] = {
        { L"Acme", L"Roof", L"Fix", L"Labor", true },
        { L"Acme", L"Roof", L"Paint", L"Design", false },
        { L"Birch", L"Deck", L"Fix", L"Labor", true },
        { L"Birch", L"Shed", L"Stain", L"Design", false },
    };
    world.tasks.assign(tasks, tasks + 4);
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
        const int imported = world.payrollItems ? LeaveMapped : LeaveWithoutPayrollItem;
        const int roll = dice.Between(1, 100);
        type.rule = roll <= 55 ? imported : roll <= 75 ? LeaveDoNotImport : roll <= 90 ? NoLeaveRule : 1;
        // The load gives a listed type without a rule one still to be chosen.
        if ((type.rule == 1 || (type.rule == NoLeaveRule && type.listedNow)) && world.importLeave)
            type.rule = LeaveDoNotImport;
        if (!world.importLeave && world.payrollItems && dice.Chance(20))
            type.rule = LeaveWithoutPayrollItem;
        world.leaveTypes.push_back(type);
    }
}

void AddUsers(World& world, Dice& dice)
{
    const int count = dice.Between(1, 4);
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
        if (!world.employees.empty() && dice.Chance(15)) {
            user.employee = dice.Between(0, static_cast<int>(world.employees.size()) - 1);
        } else if (!dice.Chance(15)) {
            WorldEmployee employee = { dice.Pick(kFirstNames), dice.Chance(30) ? L"Q" : L"", dice.Pick(kLastNames) };
            user.employee = static_cast<int>(world.employees.size());
            world.employees.push_back(employee);
        }
        user.selected = dice.Chance(80);
        user.hasPayrollItem = world.payrollItems && dice.Chance(85);
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
            record.day = dice.Between(-1, world.days);
            record.leave = dice.Chance(25);
            record.task = record.leave ? dice.Between(0, 2) : dice.Between(0, 3);
            const int roll = dice.Between(1, 100);
            record.before = roll <= 30 ? -1 : roll <= 33 ? 0 : dice.Minutes();
            record.now = NowMinutes(dice, record.before);
            record.comment = record.leave ? L"" : dice.Comment();
            record.commentNow = record.leave || !dice.Chance(10) ? record.comment : dice.Comment();
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
        edit.duringImport = dice.Chance(35);
        const WorldEdit::Kind duringImport[] = { WorldEdit::Bill, WorldEdit::Retime, WorldEdit::Remove };
        edit.kind =
            edit.duringImport ? duringImport[dice.Between(0, 2)] : static_cast<WorldEdit::Kind>(dice.Between(0, 5));
        edit.user = record.user;
        edit.day = record.day;
        edit.task = record.task;
        edit.leave = record.leave;
        edit.minutes = dice.Minutes();
        world.edits.push_back(edit);
    }
    const int foreign = dice.Between(0, 3);
    for (int i = 0; i < foreign; ++i) {
        WorldForeignEntry entry;
        entry.employee = dice.Between(0, static_cast<int>(world.employees.size()) - 1);
        entry.day = dice.Between(-1, world.days);
        entry.minutes = dice.Minutes();
        entry.task = dice.Between(-1, 3);
        entry.notes = dice.Pick(kForeignNotes);
        entry.payroll = world.payrollItems ? dice.Between(-1, 3) : -1;
        // QuickBooks bills only time charged to a customer:job.
        entry.billing = entry.task >= 0 ? dice.Between(0, 2) : 1;
        world.foreign.push_back(entry);
    }
    world.warning.skip = dice.Between(0, 3);
    if (dice.Chance(30))
        world.warning.request = dice.Pick(kRequests);
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
    for (WorldUser& user : smaller.users)
        user.employee = Renumbered(user.employee, index);
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
    for (WorldForeignEntry& entry : smaller.foreign)
        if (entry.payroll > 0)
            entry.payroll = Renumbered(entry.payroll - 1, index) + 1;
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
    AddIfDifferent(candidates, world, [](World& w) { w.warning.request.clear(); });
    AddIfDifferent(candidates, world, [](World& w) { w.warning.skip = 0; });
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

std::wstring CustomerJobOf(const World& world, const WorldTask& task)
{
    switch (world.mappingType) {
    case 2: return task.customer + L":" + task.project;
    case 3: return task.project;
    case 4: return task.customer;
    default: return task.customer + L":" + task.project + L":" + task.task;
    }
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
    // Late January to early March: periods cross weeks and month ends.
    world.start = DateTime(20, 1, 2026).Add(DateSpan::Days(dice.Between(0, 40)));
    world.days = dice.Between(2, 9);
    world.mappingType = dice.Between(1, 4);
    world.nameConvention = dice.Between(1, 2);
    world.serviceItemGroup = dice.Chance(50);
    world.removal = dice.Chance(50);
    world.projectNotes = dice.Chance(50);
    world.taskNotes = dice.Chance(50);
    world.entryNotes = dice.Chance(70);
    world.importLeave = dice.Chance(75);
    world.payrollItems = dice.Chance(80);
    AddTasks(world);
    AddLeaveTypes(world, dice);
    AddUsers(world, dice);
    AddRecords(world, dice);
    AddQuickBooksChanges(world, dice);
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
         << ";\nworld.removal = " << Bool(world.removal) << ";\nworld.projectNotes = " << Bool(world.projectNotes)
         << ";\nworld.taskNotes = " << Bool(world.taskNotes) << ";\nworld.entryNotes = " << Bool(world.entryNotes)
         << ";\nworld.importLeave = " << Bool(world.importLeave)
         << ";\nworld.payrollItems = " << Bool(world.payrollItems) << ";\n";
    text << "world.leaveTypes = {\n";
    for (const WorldLeaveType& type : world.leaveTypes)
        text << "    { " << type.id << ", " << Escaped(type.name) << ", " << Bool(type.listedNow) << ", " << type.rule
             << " },\n";
    text << "};\nworld.users = {\n";
    for (const WorldUser& user : world.users)
        text << "    { " << user.id << ", " << Escaped(user.first) << ", " << Escaped(user.middle) << ", "
             << Escaped(user.last) << ", " << user.duplicateOf << ", " << user.employee << ", " << Bool(user.selected)
             << ", " << Bool(user.hasPayrollItem) << " },\n";
    text << "};\nworld.employees = {\n";
    for (const WorldEmployee& employee : world.employees)
        text << "    { " << Escaped(employee.first) << ", " << Escaped(employee.middle) << ", "
             << Escaped(employee.last) << " },\n";
    text << "};\nworld.records = {  // user, day, task or leave type, leave, before, now, comments\n";
    for (const WorldRecord& record : world.records)
        text << "    { " << record.user << ", " << record.day << ", " << record.task << ", " << Bool(record.leave)
             << ", " << record.before << ", " << record.now << ", " << Escaped(record.comment) << ", "
             << Escaped(record.commentNow) << " },\n";
    text << "};\nworld.edits = {  // kind, during the import, user, day, task or leave type, leave, minutes\n";
    for (const WorldEdit& edit : world.edits)
        text << "    { WorldEdit::" << kEdits[edit.kind] << ", " << Bool(edit.duringImport) << ", " << edit.user << ", "
             << edit.day << ", " << edit.task << ", " << Bool(edit.leave) << ", " << edit.minutes << " },\n";
    text << "};\nworld.foreign = {  // employee, day, minutes, task, notes, payroll, billing\n";
    for (const WorldForeignEntry& entry : world.foreign)
        text << "    { " << entry.employee << ", " << entry.day << ", " << entry.minutes << ", " << entry.task << ", "
             << Escaped(entry.notes) << ", " << entry.payroll << ", " << entry.billing << " },\n";
    text << "};\nworld.warning = { " << Escaped(world.warning.request) << ", " << world.warning.skip << " };\n";
    return text.str();
}
