#include "World.h"

#include <random>
#include <sstream>

#include "core/Mapping.h"

using Quorvane::DateSpan;
using Quorvane::DateTime;
using Quorvane::Mapping;

namespace {

const wchar_t* const kFirstNames[] = { L"Ann", L"Bob", L"Cleo", L"Dan", L"Eve" };
const wchar_t* const kLastNames[] = { L"Archer", L"Baker", L"Cole", L"Dunn" };
const wchar_t* const kComments[] = { L"", L"fix", L"call" };
const wchar_t* const kForeignNotes[] = { L"", L"extra", L"Vacation", L"Sabbatical" };

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
    int Minutes() { return 15 * Between(1, 32); }

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

void AddLeaveTypes(World& world, Dice& dice)
{
    const wchar_t* const names[] = { L"Vacation", L"Sick", L"Sabbatical" };
    for (int i = 0; i < 3; ++i) {
        WorldLeaveType type;
        type.id = 10 + i;
        type.name = names[i];
        type.listedNow = i < 2 || dice.Chance(50);
        const int imported = world.payrollItems ? Mapping::Mapped : Mapping::ImportWithoutPayrollItem;
        type.rule = dice.Chance(75) ? imported : Mapping::DoNotImport;
        // Unmapped leave passes the mapping checks only while leave is not imported.
        if (!world.importLeave && dice.Chance(25))
            type.rule = Mapping::NotMapped;
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
        const WorldUser* original = user.duplicateOf >= 0 ? &world.users[user.duplicateOf] : NULL;
        user.first = original ? original->first : dice.Pick(kFirstNames);
        user.last = original ? original->last : dice.Pick(kLastNames);
        user.middle = original ? original->middle : (dice.Chance(30) ? L"J" : L"");
        user.employee = -1;
        if (!dice.Chance(15)) {
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
            record.before = dice.Chance(70) ? dice.Minutes() : -1;
            record.now = NowMinutes(dice, record.before);
            record.comment = record.leave ? L"" : dice.Pick(kComments);
            record.commentNow = dice.Chance(10) ? std::wstring(L"changed") : record.comment;
            world.records.push_back(record);
        }
    }
}

void AddQuickBooksChanges(World& world, Dice& dice)
{
    const int edits = dice.Between(0, 3);
    for (int i = 0; i < edits; ++i) {
        WorldEdit edit = { static_cast<WorldEdit::Kind>(dice.Between(0, 5)), dice.Between(0, 50), dice.Minutes() };
        world.edits.push_back(edit);
    }
    const int foreign = dice.Between(0, 2);
    for (int i = 0; i < foreign; ++i) {
        WorldForeignEntry entry;
        entry.employee = dice.Between(0, static_cast<int>(world.employees.size()) - 1);
        entry.day = dice.Between(-1, world.days);
        entry.minutes = dice.Minutes();
        entry.task = dice.Between(-1, 3);
        entry.notes = dice.Pick(kForeignNotes);
        entry.billing = dice.Between(0, 2);
        world.foreign.push_back(entry);
    }
}

template <typename T>
std::vector<T> Without(const std::vector<T>& items, size_t index)
{
    std::vector<T> rest(items);
    rest.erase(rest.begin() + index);
    return rest;
}

World WithoutUser(const World& world, int index)
{
    World smaller = world;
    smaller.users = Without(world.users, index);
    for (WorldUser& user : smaller.users)
        user.duplicateOf = user.duplicateOf == index ? -1 : user.duplicateOf - (user.duplicateOf > index ? 1 : 0);
    smaller.records.clear();
    for (WorldRecord record : world.records) {
        if (record.user == index)
            continue;
        record.user -= record.user > index ? 1 : 0;
        smaller.records.push_back(record);
    }
    return smaller;
}

std::string Narrow(const std::wstring& text)
{
    return std::string(text.begin(), text.end());
}

}  // namespace

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
    }
    return candidates;
}

std::string DescribeWorld(const World& world)
{
    static const char* const kEdits[] = { "bill", "duplicate", "retime", "renote", "remove", "flip billable" };
    std::ostringstream text;
    text << "seed " << world.seed << ", period " << Narrow(world.start.ToString()) << " + " << world.days
         << " days, mapping type " << world.mappingType << ", name convention " << world.nameConvention
         << ", service items " << (world.serviceItemGroup ? "grouped" : "by employee") << ", removal "
         << (world.removal ? "on" : "off") << ", notes " << world.projectNotes << world.taskNotes << world.entryNotes
         << ", leave import " << (world.importLeave ? "on" : "off") << ", payroll items "
         << (world.payrollItems ? "yes" : "none") << "\n";
    for (const WorldLeaveType& type : world.leaveTypes)
        text << "leave type " << type.id << " " << Narrow(type.name) << (type.listedNow ? "" : " (no longer listed)")
             << ", rule " << type.rule << "\n";
    for (size_t i = 0; i < world.users.size(); ++i) {
        const WorldUser& user = world.users[i];
        text << "user " << i << " (id " << user.id << ") " << Narrow(user.first + L" " + user.middle + L" " + user.last)
             << (user.duplicateOf >= 0 ? " duplicate of " + std::to_string(user.duplicateOf) : std::string())
             << ", employee " << user.employee << (user.selected ? ", selected" : "")
             << (user.hasPayrollItem ? "" : ", no payroll item") << "\n";
    }
    for (size_t i = 0; i < world.employees.size(); ++i)
        text << "employee " << i << " "
             << Narrow(world.employees[i].first + L" " + world.employees[i].middle + L" " + world.employees[i].last)
             << "\n";
    for (const WorldRecord& record : world.records)
        text << "user " << record.user << " day " << record.day << (record.leave ? " leave type " : " task ")
             << record.task << " '" << Narrow(record.comment) << "'->'" << Narrow(record.commentNow) << "' "
             << record.before << " -> " << record.now << "\n";
    for (const WorldEdit& edit : world.edits)
        text << "QuickBooks: " << kEdits[edit.kind] << " entry " << edit.entry << " (" << edit.minutes << ")\n";
    for (const WorldForeignEntry& entry : world.foreign)
        text << "QuickBooks entry of employee " << entry.employee << " day " << entry.day << " task " << entry.task
             << " '" << Narrow(entry.notes) << "' billing " << entry.billing << " " << entry.minutes << "\n";
    return text.str();
}
