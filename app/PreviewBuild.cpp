#include "app/PreviewBuild.h"

#include <map>

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

// One EmployeeDiff per server user: a user named by two rules collects both rules' diffs.
class PreviewCollector {
public:
    explicit PreviewCollector(const boost::shared_ptr<EmployeeDiffCollection>& preview) : m_preview(preview) {}

    void Add(const boost::shared_ptr<EmployeeDiff>& dayDiff)
    {
        const std::wstring id = dayDiff->GetServerUser()->GetId();
        std::map<std::wstring, boost::shared_ptr<EmployeeDiff> >::iterator known = m_byUser.find(id);
        if (known == m_byUser.end()) {
            m_byUser[id] = dayDiff;
            m_preview->Add(dayDiff);
            return;
        }
        for (const boost::shared_ptr<TimeTrackDiff>& diff : *dayDiff->GetTimeTrackDiffs())
            known->second->GetTimeTrackDiffs()->Add(diff);
    }

private:
    boost::shared_ptr<EmployeeDiffCollection> m_preview;
    std::map<std::wstring, boost::shared_ptr<EmployeeDiff> > m_byUser;
};

void PreviewRule(PreviewBuilder& builder, PreviewCollector& collector, const EmployeePtr& serverUser,
                 const EmployeePtr& quickBooksEmployee, const DateRange& period,
                 const boost::function<void()>& checkAbort)
{
    for (DateTime day = period.GetStart(); !(day > period.GetEnd()); day = day.Add(DateSpan::OneDay())) {
        checkAbort();
        // A day that cannot be compared is left out; the import then changes nothing on it.
        try {
            collector.Add(builder.CompareTimeTrack(serverUser, quickBooksEmployee, day));
        } catch (...) {
        }
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
    for (const boost::shared_ptr<Mapping>& rule : *rules) {
        EmployeePtr serverUser = FindOrNull(serverUsers, rule->GetSource());
        if (serverUser)
            PreviewRule(builder, collector, serverUser, FindOrNull(quickBooksEmployees, rule->GetTarget()), period,
                        checkAbort);
    }
}
