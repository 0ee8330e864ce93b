#include "app/PreviewBuild.h"

#include <algorithm>
#include <map>
#include <vector>

#include "app/MainModel.h"
#include "app/PreviewBuilder.h"
#include "app/RemoveAll.h"
#include "core/Config.h"
#include "core/EmployeeDiff.h"
#include "core/Exceptions.h"

using namespace Quorvane;

namespace {

typedef boost::shared_ptr<Employee> EmployeePtr;

typedef std::map<std::wstring, EmployeePtr> EmployeeIndex;

// The first employee with each id, as FindById finds it, without a search per rule.
EmployeeIndex IndexById(const EmployeeCollection& employees)
{
    EmployeeIndex index;
    for (const EmployeePtr& employee : employees)
        index.insert(std::make_pair(employee->GetId(), employee));
    return index;
}

EmployeePtr FindOrNull(const EmployeeIndex& employees, const std::wstring& id)
{
    EmployeeIndex::const_iterator found = employees.find(id);
    return found == employees.end() ? EmployeePtr() : found->second;
}

// The days of the period, first to last.
std::vector<DateTime> DaysOf(const DateRange& period)
{
    std::vector<DateTime> days;
    for (DateTime day = period.GetStart(); !(day > period.GetEnd()); day = day.Add(DateSpan::OneDay()))
        days.push_back(day);
    return days;
}

bool IsEarlier(const PreviewBuilder::RecordPtr& one, const PreviewBuilder::RecordPtr& other)
{
    return one->GetDate() < other->GetDate();
}

// An employee's records sorted once by date and handed out a day at a time, so that no day
// searches all of them.
class RecordsByDay {
public:
    // A null employee has no records.
    explicit RecordsByDay(const EmployeePtr& employee) : m_next(0)
    {
        if (!employee)
            return;
        const boost::shared_ptr<TimeTrackRecordCollection> records = employee->GetTimeTrackRecords();
        m_sorted.assign(records->begin(), records->end());
        std::stable_sort(m_sorted.begin(), m_sorted.end(), &IsEarlier);
    }

    // The records of this day, in their loaded order; each day must come after the one before.
    void Take(const DateTime& day, PreviewBuilder::DayRecords& records)
    {
        records.clear();
        while (m_next < m_sorted.size() && m_sorted[m_next]->GetDate() < day)
            ++m_next;
        while (m_next < m_sorted.size() && m_sorted[m_next]->GetDate() == day)
            records.push_back(m_sorted[m_next++]);
    }

private:
    PreviewBuilder::DayRecords m_sorted;
    size_t m_next;
};

// One EmployeeDiff per server user: a user named by two rules collects both rules' diffs.
class PreviewCollector {
public:
    explicit PreviewCollector(const boost::shared_ptr<EmployeeDiffCollection>& preview) : m_preview(preview) {}

    // The user's diffs, added to the preview on first use.
    TimeTrackDiffCollection& DiffsOf(const EmployeePtr& user)
    {
        boost::shared_ptr<TimeTrackDiffCollection>& diffs = m_byUser[user->GetId()];
        if (!diffs) {
            diffs.reset(new TimeTrackDiffCollection());
            boost::shared_ptr<EmployeeDiff> preview(new EmployeeDiff());
            preview->SetServerUser(user);
            preview->SetTimeTrackDiffs(diffs);
            m_preview->Add(preview);
        }
        return *diffs;
    }

private:
    boost::shared_ptr<EmployeeDiffCollection> m_preview;
    std::map<std::wstring, boost::shared_ptr<TimeTrackDiffCollection>> m_byUser;
};

// A user enters the preview with the first day that could be compared.
void PreviewRule(PreviewBuilder& builder, PreviewCollector& collector, const EmployeePtr& serverUser,
                 const EmployeePtr& quickBooksEmployee, const std::vector<DateTime>& days,
                 const boost::function<void()>& checkAbort)
{
    RecordsByDay serverDays(serverUser);
    RecordsByDay quickBooksDays(quickBooksEmployee);
    PreviewBuilder::DayRecords serverRecords;
    PreviewBuilder::DayRecords entries;
    PreviewBuilder::DayDiffs dayDiffs;
    TimeTrackDiffCollection* userDiffs = 0;
    for (const DateTime& day : days) {
        checkAbort();
        serverDays.Take(day, serverRecords);
        quickBooksDays.Take(day, entries);
        // A day that cannot be compared is left out; the import then changes nothing on it.
        try {
            builder.CompareDay(*serverUser, quickBooksEmployee, serverRecords, entries, dayDiffs);
        } catch (...) {
            continue;
        }
        if (!userDiffs)
            userDiffs = &collector.DiffsOf(serverUser);
        for (const boost::shared_ptr<TimeTrackDiff>& diff : dayDiffs)
            userDiffs->Add(diff);
    }
}

}  // namespace

void BuildPreview(const boost::shared_ptr<MainModel>& model, const boost::function<void()>& checkAbort)
{
    checkAbort();
    boost::shared_ptr<Config> config = model->GetConfig();
    boost::shared_ptr<MappingCollection> rules = config->GetEmployeeMappings();
    const EmployeeIndex serverUsers = IndexById(*model->GetServerEmployees());
    const EmployeeIndex quickBooksEmployees = IndexById(*model->GetQuickBooksEmployees());
    checkAbort();
    boost::shared_ptr<EmployeeDiffCollection> preview = model->GetEmployeeDiffs();
    RemoveAll(*preview);
    checkAbort();

    PreviewBuilder builder(model);
    PreviewCollector collector(preview);
    const DateRange period = config->GetPeriod();
    if (!period.GetStart().IsValid() || !period.GetEnd().IsValid())
        return;  // no day to walk; stepping from an invalid date would never end
    const std::vector<DateTime> days = DaysOf(period);
    for (const boost::shared_ptr<Mapping>& rule : *rules) {
        EmployeePtr serverUser = FindOrNull(serverUsers, rule->GetSource());
        if (serverUser)
            PreviewRule(builder, collector, serverUser, FindOrNull(quickBooksEmployees, rule->GetTarget()), days,
                        checkAbort);
    }
}
