#include "Model.h"

#include <algorithm>
#include <set>
#include <sstream>
#include <tuple>

namespace {

enum LeaveImport { Imported, LeftAlone };

// A comment as the server connector reads it: carriage returns removed, then typographic
// ligatures, quotes and dashes folded to plainer ones.
std::wstring AsRead(const std::wstring& text)
{
    std::wstring read;
    for (wchar_t c : text)
        read += c == L'\r'                         ? L""
                : c == L'\u0152'                   ? L"OE"
                : c == L'\u0153'                   ? L"oe"
                : c == L'\u0178'                   ? L"Y"
                : c == L'\u2013' || c == L'\u2014' ? L"-"
                : c >= L'\u2018' && c <= L'\u201b' ? L"'"
                : c >= L'\u201c' && c <= L'\u201f' ? L"\""
                : c == L'\u2039'                   ? L"\u00ab"
                : c == L'\u203a'                   ? L"\u00bb"
                                                   : std::wstring(1, c);
    return read;
}

// One import's view of the world: the last import (every user selected, every leave type listed
// and imported, removal on, a day more on either side) or this one.
struct Moment {
    const World& world;
    bool now;

    int FirstDay() const { return now ? 0 : -1; }
    int LastDay() const { return now ? world.days - 1 : world.days; }
    bool Removal() const { return !now || world.removal; }
    // The import asks whether entries are deleted when the server has none of its selected
    // users' entries, and the answer replaces the setting.
    bool DeletesWhenAsked() const { return !now || world.deleteAbsent; }
    bool Selected(int user) const { return !now || world.users[user].selected; }
    int Minutes(const WorldRecord& record) const { return now ? record.now : record.before; }
    std::wstring Comment(const WorldRecord& record) const { return AsRead(now ? record.commentNow : record.comment); }
    bool Listed(const WorldLeaveType& type) const { return !now || type.listedNow; }

    // The server sends no working record without time spent; leave comes as it is.
    bool Loads(const WorldRecord& record) const
    {
        const int minutes = Minutes(record);
        return record.day >= FirstDay() && record.day <= LastDay() && (record.leave ? minutes >= 0 : minutes > 0);
    }
    bool IsLoaded(int user) const
    {
        for (const WorldRecord& record : world.records)
            if (record.user == user && Loads(record))
                return true;
        return false;
    }

    // Leave is taken when its type is listed, leave is imported, and its rule fits QuickBooks:
    // a payroll item when QuickBooks has them, none when it has none.
    LeaveImport Import(const WorldLeaveType& type) const
    {
        if (!now)
            return Imported;
        const bool fits = (type.rule == LeaveMapped && world.payrollItems) ||
                          (type.rule == LeaveWithoutPayrollItem && !world.payrollItems);
        return type.listedNow && world.importLeave && fits ? Imported : LeftAlone;
    }
    std::wstring LeavePayroll(const WorldLeaveType& type) const
    {
        return world.payrollItems && (!now || type.rule == LeaveMapped) ? LeavePayrollName(type) : std::wstring();
    }

    std::wstring Description(const WorldTask& task, const std::wstring& comment) const
    {
        std::wstring text;
        if (world.projectNotes)
            text = task.project;
        if (world.taskNotes && !task.task.empty())
            text += (text.empty() ? L"" : L" ") + task.task;
        if (world.entryNotes && !comment.empty())
            text += (text.empty() ? L"" : L" : ") + comment;
        return KeptInCodePage1252(text);
    }

    // QuickBooks keeps notes in code page 1252: a character beyond it becomes "?".
    static std::wstring KeptInCodePage1252(std::wstring text)
    {
        const std::wstring beyondLatin1 =
            L"\u20ac\u201a\u0192\u201e\u2026\u2020\u2021\u02c6\u2030\u0160\u2039\u0152\u017d"
            L"\u2018\u2019\u201c\u201d\u2022\u2013\u2014\u02dc\u2122\u0161\u203a\u0153\u017e\u0178";
        for (wchar_t& unit : text)
            if (unit > 0xFF && beyondLatin1.find(unit) == std::wstring::npos)
                unit = L'?';
        return text;
    }

    // The entry a server record becomes, its minutes aside.
    ModelEntry EntryOf(const WorldRecord& record) const
    {
        const WorldUser& user = world.users[record.user];
        ModelEntry entry = { user.employee, record.day, L"", L"", L"", L"", 0, NotBillable };
        if (record.leave) {
            const WorldLeaveType& type = world.leaveTypes[record.task];
            entry.payrollItem = LeavePayroll(type);
            entry.notes = type.name;
            return entry;
        }
        const WorldTask& task = world.tasks[record.task];
        const WorldEmployee& employee = world.employees[user.employee];
        // The last import wrote the server's names, which QuickBooks then spelled alike.
        entry.customerJob = CustomerJobOf(world, task, !now);
        entry.serviceItem = world.serviceItemGroup
                                ? ServiceItemOf(world, task, !now)
                                : PersonItemName(world, employee.first, employee.middle, employee.last);
        entry.payrollItem = user.payroll == WagePayrollItem ? kWagesName : L"";
        entry.notes = Description(task, Comment(record));
        entry.billing = task.billing;
        return entry;
    }
};

std::wstring Lower(const std::wstring& text)
{
    std::wstring lower(text);
    for (wchar_t& c : lower)
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c - L'A' + L'a');
    return lower;
}

bool IsLeaveShaped(const ModelEntry& entry)
{
    return entry.customerJob.empty() && entry.serviceItem.empty();
}

// Every name of a task new on the server is one QuickBooks lacks.
bool NamesAnAddedTask(const World& world, const ModelEntry& entry)
{
    for (const WorldTask& task : world.tasks)
        if (task.age == WorldTask::Added && entry.customerJob == CustomerJobOf(world, task))
            return true;
    return false;
}

// One entry of the preview: an existing entry (or an entry to add) and what becomes of it.
struct Step {
    Step(int entry, int minutes, bool leave) : entry(entry), minutes(minutes), leave(leave) {}

    int entry;  // in the company, or -1 for an entry to add
    ModelEntry added;
    int minutes;  // what the server total leaves for it
    bool leave;
    bool taken = true;  // leave the import leaves alone is not
    bool conflict = false;  // billed: kept as it is, and not counted by the import
    bool removal = false;  // the server has nothing (more) for it
    bool absent = false;  // the server has no record for it at all
};

class Preview {
public:
    Preview(const Moment& moment, const ModelCompany& company) : m_moment(moment), m_company(company) {}

    // The steps of one user's day; entries paired by other groups are not looked at again.
    void Day(int user, int day, std::vector<Step>& steps)
    {
        const World& world = m_moment.world;
        const int employee = world.users[user].employee;
        std::vector<int> entries;
        for (size_t i = 0; i < m_company.size(); ++i)
            if (m_company[i].employee == employee && m_company[i].day == day)
                entries.push_back(static_cast<int>(i));
        std::vector<bool> paired(entries.size(), false);
        // The server's reply lists a user's working records before the leave records.
        std::vector<const WorldRecord*> records;
        for (bool leave : { false, true })
            for (const WorldRecord& record : world.records)
                if (record.user == user && record.day == day && record.leave == leave && m_moment.Loads(record))
                    records.push_back(&record);
        std::vector<bool> grouped(records.size(), false);
        for (size_t first = 0; first < records.size(); ++first) {
            if (grouped[first])
                continue;
            const ModelEntry head = m_moment.EntryOf(*records[first]);
            int total = 0;
            for (size_t n = first; n < records.size(); ++n) {
                const ModelEntry other = m_moment.EntryOf(*records[n]);
                if (!grouped[n] && records[n]->leave == records[first]->leave &&
                    std::tie(other.customerJob, other.serviceItem, other.notes, other.billing, other.payrollItem) ==
                        std::tie(head.customerJob, head.serviceItem, head.notes, head.billing, head.payrollItem)) {
                    grouped[n] = true;
                    total += m_moment.Minutes(*records[n]);
                }
            }
            Group(*records[first], head, total, entries, paired, steps);
        }
        for (size_t i = 0; i < entries.size(); ++i)
            if (!paired[i])
                Absent(entries[i], steps);
    }

private:
    bool Matches(const WorldRecord& record, const ModelEntry& head, const ModelEntry& entry) const
    {
        if (record.leave) {
            const WorldLeaveType& type = m_moment.world.leaveTypes[record.task];
            return IsLeaveShaped(entry) && entry.notes == type.name &&
                   (m_moment.Import(type) == LeftAlone || entry.payrollItem == head.payrollItem);
        }
        return entry.payrollItem == head.payrollItem && entry.notes == head.notes &&
               (head.billing == Billable) == (entry.billing != NotBillable) &&
               Lower(entry.serviceItem) == Lower(head.serviceItem) &&
               Lower(entry.customerJob) == Lower(head.customerJob);
    }

    void Group(const WorldRecord& record, const ModelEntry& head, int total, const std::vector<int>& entries,
               std::vector<bool>& paired, std::vector<Step>& steps)
    {
        const bool leave = record.leave;
        const bool taken = !leave || m_moment.Import(m_moment.world.leaveTypes[record.task]) == Imported;
        std::vector<int> matches;
        for (size_t i = 0; i < entries.size(); ++i)
            if (!paired[i] && Matches(record, head, m_company[entries[i]])) {
                paired[i] = true;
                matches.push_back(entries[i]);
            }
        int remaining = total;
        // Billed time stays; the first unbilled entry takes what is left, later ones nothing.
        for (WorldBilling billing : { Billed, head.billing }) {
            for (int index : matches) {
                if (m_company[index].billing != billing || (billing == Billed && head.billing != Billable))
                    continue;
                Step step(index, 0, leave);
                step.taken = taken;
                if (billing == Billed) {
                    remaining -= m_company[index].minutes;
                    step.conflict = remaining < 0;
                    step.minutes = m_company[index].minutes;
                    remaining = std::max(remaining, 0);
                } else {
                    step.minutes = taken ? remaining : m_company[index].minutes;
                    step.removal = taken && remaining == 0;
                    remaining = taken ? 0 : remaining;
                }
                steps.push_back(step);
            }
        }
        if (remaining > 0 && taken) {
            Step step(-1, remaining, leave);
            step.added = head;
            step.added.minutes = remaining;
            steps.push_back(step);
        }
    }

    // A QuickBooks entry the server has nothing for: leave of a type the import does not take
    // is left alone, whatever its day.
    void Absent(int index, std::vector<Step>& steps) const
    {
        const ModelEntry& entry = m_company[index];
        const bool conflict = entry.billing == Billed;
        Step step(index, entry.minutes, false);
        step.conflict = conflict;
        step.removal = !conflict;
        step.absent = true;
        const WorldLeaveType* listed = NULL;
        for (const WorldLeaveType& type : m_moment.world.leaveTypes)
            if (m_moment.Listed(type) && type.name == entry.notes)
                listed = &type;
        if (IsLeaveShaped(entry) && listed && m_moment.Import(*listed) == LeftAlone)
            step.taken = false;
        else if (IsLeaveShaped(entry) && listed)
            step.leave = entry.payrollItem == m_moment.LeavePayroll(*listed);
        else if (IsLeaveShaped(entry))
            step.taken = !IsVanishedLeave(entry);
        steps.push_back(step);
    }

    // Leave of a type the server no longer lists, known by the load's leave records or by its
    // rule's payroll item.
    bool IsVanishedLeave(const ModelEntry& entry) const
    {
        const World& world = m_moment.world;
        for (size_t t = 0; t < world.leaveTypes.size(); ++t) {
            const WorldLeaveType& type = world.leaveTypes[t];
            if (m_moment.Listed(type))
                continue;
            if (type.rule == LeaveMapped && world.payrollItems && entry.payrollItem == LeavePayrollName(type))
                return true;
            for (const WorldRecord& record : world.records)
                if (record.leave && record.task == static_cast<int>(t) && m_moment.Loads(record) &&
                    entry.notes == type.name)
                    return true;
        }
        return false;
    }

    const Moment& m_moment;
    const ModelCompany& m_company;
};

// As the import log names an employee.
std::wstring LogName(const WorldEmployee& employee)
{
    return employee.first + L" " + (employee.middle.empty() ? L"" : employee.middle + L" ") + employee.last;
}

// A change made in QuickBooks after the preview or while the import runs, on the entry it finds
// as the changes before it left QuickBooks; entries keep their places, a removed one goes to
// `gone`, a copy comes last. The index of the entry it changed, or -1 when it changed nothing.
int Edit(const World& world, ModelCompany& company, const WorldEdit& edit, std::set<int>& gone)
{
    const int index = FindEditedEntry(world, company, edit, &gone);
    if (index < 0)
        return -1;
    ModelEntry& entry = company[index];
    // QuickBooks bills only time charged to a customer:job, and flips only what is not billed.
    const bool charged = !entry.customerJob.empty();
    switch (edit.kind) {
    case WorldEdit::Bill:
        if (!charged)
            return -1;
        entry.billing = Billed;
        break;
    case WorldEdit::FlipBillable:
        if (!charged || entry.billing == Billed)
            return -1;
        entry.billing = entry.billing == Billable ? NotBillable : Billable;
        break;
    case WorldEdit::Retime: entry.minutes = edit.minutes; break;
    case WorldEdit::Renote: entry.notes = L"renoted"; break;
    case WorldEdit::Remove: gone.insert(index); break;
    case WorldEdit::Duplicate: company.push_back(ModelEntry(entry)); break;
    }
    return index;
}

// A rule still to be chosen is mapped by the load to the first employee, in QuickBooks' order,
// whose first, middle and last names are the user's exactly and that no other rule holds,
// wherever that rule stands in the list (automatic mapping never gives an employee a second
// user); only for a user the server has.
World WithChosenRules(const World& world, bool now)
{
    World chosen = world;
    const Moment moment = { world, now };
    std::set<int> taken;
    for (const WorldUser& user : world.users)
        if (user.rule == EmployeeMapped)
            taken.insert(user.employee);
    for (size_t u = 0; u < chosen.users.size(); ++u) {
        WorldUser& user = chosen.users[u];
        if (user.rule != EmployeeToChoose || !moment.IsLoaded(static_cast<int>(u)))
            continue;
        for (size_t e = 0; e < world.employees.size() && user.employee < 0; ++e) {
            const WorldEmployee& employee = world.employees[e];
            if (!taken.count(static_cast<int>(e)) && employee.first == user.first && employee.middle == user.middle &&
                employee.last == user.last) {
                user.employee = static_cast<int>(e);
                taken.insert(user.employee);
            }
        }
    }
    return chosen;
}

// Two users with time on one employee would each take the other's entries for time the server
// no longer has: the mapping checks stop the load, as they do for a rule still to be chosen.
bool IsRefused(const Moment& moment)
{
    std::map<int, int> loadedUsers;  // by employee
    for (size_t user = 0; user < moment.world.users.size(); ++user) {
        const WorldUser& rule = moment.world.users[user];
        if (!moment.IsLoaded(static_cast<int>(user)))
            continue;
        if ((rule.rule == EmployeeToChoose && rule.employee < 0) ||
            (rule.employee >= 0 && loadedUsers[rule.employee]++ > 0))
            return true;
    }
    return false;
}

const wchar_t* RequestOf(const Step& step, bool deletes)
{
    return step.entry < 0 ? L"TimeTrackingAdd" : deletes ? L"TxnDel" : L"TimeTrackingMod";
}

ModelImport Expect(const Moment& given, const ModelCompany& before)
{
    const World world = WithChosenRules(given.world, given.now);
    const Moment moment = { world, given.now };
    ModelImport result;
    result.refused = IsRefused(moment);
    result.after = before;
    result.reports = ModelReports { 0, 0, 0, 0 };
    result.ending = Finished;
    result.panel = std::make_pair(0, 0);
    if (result.refused)
        return result;

    // The users the import begins, in the order of their ids, with the preview's steps.
    std::vector<std::pair<int, std::vector<Step>>> imported;
    Preview preview(moment, before);
    for (size_t user = 0; user < world.users.size(); ++user) {
        if (world.users[user].employee < 0 || !moment.IsLoaded(static_cast<int>(user)))
            continue;
        std::vector<Step> steps;
        for (int day = moment.FirstDay(); day <= moment.LastDay(); ++day)
            preview.Day(static_cast<int>(user), day, steps);
        ModelTotals totals = { 0, 0, 0, 0 };
        const bool selected = moment.Selected(static_cast<int>(user));
        for (const Step& step : steps) {
            if (!step.taken)
                continue;
            const int quickBooks = step.entry >= 0 ? before[step.entry].minutes : 0;
            const bool deletes = step.removal && moment.Removal() && !step.conflict;
            totals.before += quickBooks;
            totals.after += step.conflict || (step.removal && !deletes) ? quickBooks : deletes ? 0 : step.minutes;
        }
        result.users[static_cast<int>(user)] = totals;
        if (selected)
            imported.push_back(std::make_pair(static_cast<int>(user), steps));
    }
    // Before anything else the import asks QuickBooks for the customer:jobs its working time to
    // add names (a change or deletion sends none): one it lost since the preview stops it.
    for (const std::pair<int, std::vector<Step>>& user : imported)
        for (const Step& step : user.second)
            if (moment.now && step.entry < 0 && !step.leave &&
                RenamedAfterPreview(world, step.added.customerJob) != step.added.customerJob)
                result.gone.insert(step.added.customerJob);
    if (!result.gone.empty())
        result.ending = StoppedAtDataConflict;
    bool asked = false;
    for (const std::pair<int, std::vector<Step>>& user : imported)
        for (const Step& step : user.second)
            asked = asked || (step.taken && step.absent);
    const bool removal = asked ? moment.DeletesWhenAsked() : moment.Removal();
    for (const std::pair<int, std::vector<Step>>& user : imported)
        for (const Step& step : user.second)
            if (step.taken && !step.conflict)
                (step.leave ? result.panel.second : result.panel.first) += !step.removal ? step.minutes
                                                                           : removal || step.entry < 0
                                                                               ? 0
                                                                               : before[step.entry].minutes;

    std::set<int> edited, gone;
    ModelCompany& company = result.after;
    ModelCompany added;
    for (const WorldEdit& edit : world.edits) {
        const int index = moment.now && edit.moment == AfterPreview ? Edit(given.world, company, edit, gone) : -1;
        // The import compares each of its employees' entries of the period with the preview's.
        for (const std::pair<int, std::vector<Step>>& user : imported)
            if (index >= 0 && company[index].employee == world.users[user.first].employee &&
                company[index].day >= moment.FirstDay() && company[index].day <= moment.LastDay() &&
                result.ending == Finished)
                result.ending = StoppedAtChangeSincePreview;
    }
    if (moment.now)
        for (ModelEntry& entry : company)
            entry.customerJob = RenamedAfterPreview(world, entry.customerJob);
    if (result.ending == Finished && moment.now) {
        for (const WorldEdit& edit : world.edits)
            if (edit.moment == DuringImport)
                edited.insert(Edit(given.world, company, edit, gone));
        if (world.timeWindowOpen)
            result.ending = StoppedAtTimeWindow;
    }
    const WorldAnswer& answer = world.answer;
    int answered = 0, begun = 0;
    for (size_t u = 0; u < imported.size() && result.ending == Finished; ++u) {
        if (moment.now && world.stopAfter > 0 && begun == world.stopAfter) {
            result.ending = StoppedByUser;
            break;
        }
        ++begun;
        const int user = imported[u].first;
        // Two employees of one name have a line each, and the log's reading adds them up.
        std::pair<int, int>& named = result.logged[LogName(world.employees[world.users[user].employee])];
        std::pair<int, int> logged(0, 0);
        // Before an employee's entries the import creates the customers, jobs and service items its
        // entries to add name and QuickBooks lacks in that very spelling; where their creation is
        // turned off, as the settings have it by default, it stops there.
        for (const Step& step : imported[u].second)
            if (moment.now && step.taken && step.entry < 0 && !step.leave &&
                (NamesAnAddedTask(world, step.added) ? !world.createItems : world.quickBooksCapitals))
                result.ending = StoppedAtMissingItem;
        if (result.ending != Finished)
            break;
        for (const Step& step : imported[u].second) {
            if (!step.taken)
                continue;
            if (step.conflict) {
                ++result.reports.billed;
                continue;
            }
            const int quickBooks = step.entry >= 0 ? before[step.entry].minutes : 0;
            const bool deletes = step.removal && removal;
            const int after = step.removal && !deletes ? quickBooks : deletes ? 0 : step.minutes;
            const bool writes = step.entry < 0 ? step.minutes > 0 : deletes || (!step.removal && after != quickBooks);
            // QuickBooks refuses a write to an entry changed since the preview before it answers anything else.
            if (writes && step.entry >= 0 && edited.count(step.entry)) {
                ++result.reports.changed;  // changed in QuickBooks since the preview: left as it is
                continue;
            }
            if (writes && moment.now && answer.kind == WorldAnswer::Error &&
                answer.request == RequestOf(step, deletes) && answered++ == answer.skip) {
                result.ending = StoppedAtError;
                logged = std::make_pair(0, 0);  // an employee in error shows no times
                break;
            }
            (step.leave ? logged.second : logged.first) += after;
            result.reports.kept += step.removal && !deletes ? 1 : 0;
            result.reports.deleted += deletes ? 1 : 0;
            if (!writes)
                continue;
            if (step.entry < 0)
                added.push_back(step.added);
            else if (deletes)
                gone.insert(step.entry);
            else
                company[step.entry].minutes = step.minutes;
        }
        named.first += logged.first;
        named.second += logged.second;
    }
    ModelCompany kept;
    for (size_t i = 0; i < company.size(); ++i)
        if (!gone.count(static_cast<int>(i)))
            kept.push_back(company[i]);
    kept.insert(kept.end(), added.begin(), added.end());
    company = kept;
    return result;
}

}  // namespace

bool ModelEntry::operator<(const ModelEntry& other) const
{
    return std::tie(employee, day, customerJob, serviceItem, payrollItem, notes, minutes, billing) <
           std::tie(other.employee, other.day, other.customerJob, other.serviceItem, other.payrollItem, other.notes,
                    other.minutes, other.billing);
}

bool ModelEntry::operator==(const ModelEntry& other) const
{
    return !(*this < other) && !(other < *this);
}

int FindEditedEntry(const World& world, const ModelCompany& company, const WorldEdit& edit, const std::set<int>* gone)
{
    const int employee = world.users[edit.user].employee;
    int found = -1;
    for (size_t i = 0; i < company.size(); ++i) {
        const ModelEntry& entry = company[i];
        if (employee < 0 || entry.employee != employee || entry.day != edit.day ||
            (gone && gone->count(static_cast<int>(i))))
            continue;
        const bool fits = edit.leave ? entry.customerJob.empty() && entry.notes == world.leaveTypes[edit.task].name
                                     : entry.customerJob == CustomerJobOf(world, world.tasks[edit.task]);
        // Of several that fit, the first by their contents: the same one on either side.
        if (fits && (found < 0 || entry < company[found]))
            found = static_cast<int>(i);
    }
    return found;
}

ModelImport ExpectLastImport(const World& world)
{
    return Expect(Moment { world, false }, ModelCompany());
}

ModelCompany ExpectCompanyBefore(const World& world, const ModelCompany& lastImport)
{
    ModelCompany company = lastImport;
    for (ModelEntry& entry : company) {
        entry.customerJob = QuickBooksSpelling(world, entry.customerJob);
        for (const WorldTask& task : world.tasks)
            if (entry.serviceItem == task.billingType)
                entry.serviceItem = ServiceItemOf(world, task);
    }
    std::set<int> gone;
    for (const WorldEdit& edit : world.edits)
        if (edit.moment == BeforeLoad)
            Edit(world, company, edit, gone);
    ModelCompany kept;
    for (size_t i = 0; i < company.size(); ++i)
        if (!gone.count(static_cast<int>(i)))
            kept.push_back(company[i]);
    for (const WorldForeignEntry& foreign : world.foreign) {
        ModelEntry entry = { foreign.employee, foreign.day,    L"", L"", L"", foreign.notes,
                             foreign.minutes,  foreign.billing };
        const WorldTask& task = world.tasks[foreign.task];
        if (foreign.charge == CustomerJobAndItem || foreign.charge == CustomerJobOnly)
            entry.customerJob = CustomerJobOf(world, task);
        if (foreign.charge == CustomerJobAndItem || foreign.charge == ServiceItemOnly)
            entry.serviceItem = ServiceItemOf(world, task);
        if (foreign.payroll == WagePayrollItem)
            entry.payrollItem = kWagesName;
        else if (foreign.payroll == LeavePayrollItem)
            entry.payrollItem = LeavePayrollName(world.leaveTypes[foreign.leaveType]);
        kept.push_back(entry);
    }
    return kept;
}

ModelImport ExpectImport(const World& world, const ModelCompany& before)
{
    return Expect(Moment { world, true }, before);
}

std::string DescribeEntry(const ModelEntry& entry)
{
    std::ostringstream text;
    const std::wstring names =
        entry.customerJob + L"|" + entry.serviceItem + L"|" + entry.payrollItem + L"|" + entry.notes + L"|";
    text << "E-" << entry.employee << " day " << entry.day << " [";
    for (wchar_t c : names)
        text << (c < 128 ? static_cast<char>(c) : '?');
    text << entry.billing << "] " << entry.minutes;
    return text.str();
}
