#include "PreviewContract.h"

#include <map>
#include <set>
#include <sstream>

#include "ModelChecks.h"
#include "WorldRun.h"
#include "app/MainModel.h"
#include "app/Resolvers.h"
#include "app/missing/MissingItemsController.h"
#include "connectors/quickbooks/DesktopConnector.h"
#include "core/Config.h"
#include "core/DisplayNames.h"
#include "core/TextUtils.h"
#include "tools/qbsim/Control.h"
#include "tools/qbsim/Json.h"
#include "ui/dialogs/details/PreviewCells.h"
#include "ui/dialogs/details/PreviewRows.h"
#include "ui/main/SummaryTable.h"

using namespace Quorvane;

namespace {

typedef std::map<std::wstring, std::wstring> EntriesById;

// One day cell of the preview, and what QuickBooks is to hold for it afterwards.
struct PromisedCell {
    std::wstring employeeId;
    CustomerJobPayroll row;
    DateTime day;
    PreviewCellState state;
    int after;
    bool leave;
    std::set<std::wstring> txnIds;  // the QuickBooks entries the cell shows
    int billedConflictMinutes;  // what the import leaves alone as billed
    EntryKeeping keeping;
};

// One imported employee: the name the log gives it, and its previewed totals.
struct PromisedEmployee {
    std::wstring listId;
    std::wstring logName;
    int working;
    int leave;
    bool warning;
    int cellsAfter;  // the cells of the time the import takes, as QuickBooks is to hold them
    int summaryAfter;  // the summary's "Time in QB After Import"
};

struct Promise {
    std::vector<PromisedCell> cells;
    std::vector<PromisedEmployee> employees;
};

std::string DescribeCell(const PromisedCell& cell)
{
    static const char* const kStates[] = { "unchanged", "changed", "billed conflict", "deleted", "kept" };
    return Narrow(cell.employeeId + L" " + cell.day.ToString() + L" [" + cell.row.customerJob + L"|" +
                  cell.row.serviceItem + L"|" + cell.row.payrollItem + L"|" + cell.row.notes + L"|") +
           std::to_string(cell.row.billableState) + "] " + kStates[cell.state];
}

bool CountsAsImported(const PromisedCell& cell)
{
    return cell.state != DeletedCell && cell.keeping != KeepsLeaveNotImported &&
           cell.keeping != KeepsLeaveOfUnknownType;
}

// The cells of every employee the import takes, as the preview dialog works them out.
Promise ReadPromise(const MainModel& model)
{
    Promise promise;
    Config& config = *model.GetConfig();
    const DateRange period = config.GetPeriod();
    const bool canRemove = config.GetCanRemoveExistingQBTimeTrack();
    for (const std::wstring& id : *config.GetSelectedEmployees()) {
        if (IsExcludedFromImport(config, id))
            continue;
        boost::shared_ptr<EmployeeDiff> diff;
        boost::shared_ptr<Employee> employee;
        try {
            diff = model.GetEmployeeDiffs()->FindByEmployeeId(id);
            employee = FindQuickBooksEmployee(model, id);
        } catch (const NotFoundException&) {
            continue;
        }
        const boost::shared_ptr<Employee> user = diff->GetServerUser();
        PreviewRowKeys keys(model, config, *user, *FindNamingEmployee(model, config, user));
        const std::vector<KeyedEntry> entries = keys.KeyEntries(*diff->GetTimeTrackDiffs());
        PromisedEmployee promised = {
            employee->GetId(), FormatEmployeeName(&config, *employee, false), 0, 0, false, 0, 0
        };
        SummaryTotals summary(canRemove);
        const boost::shared_ptr<TimeTrackDiffCollection> taken =
            CollectTimeTrackDiffs(model, *diff->GetTimeTrackDiffs());
        for (const boost::shared_ptr<TimeTrackDiff>& entry : *taken)
            summary.Add(entry);
        promised.summaryAfter = summary.after;
        for (const CustomerJobPayroll& row : CollectRows(entries)) {
            for (DateTime day = period.GetStart(); !(day > period.GetEnd()); day = day.Add(DateSpan::OneDay())) {
                const PreviewCell cell = AggregateCell(row, entries, day);
                if (cell.empty)
                    continue;
                PromisedCell promisedCell;
                promisedCell.employeeId = employee->GetId();
                promisedCell.row = row;
                promisedCell.day = day;
                promisedCell.state = GetCellState(cell, canRemove);
                promisedCell.after = promisedCell.state == DeletedCell ? 0 : ShownMinutes(cell, promisedCell.state);
                promisedCell.leave = false;
                promisedCell.billedConflictMinutes = 0;
                promisedCell.keeping = cell.keeping;
                for (const KeyedEntry& entry : entries) {
                    if (entry.diff->GetDate() != day || !SameCustomerJobPayroll(row, entry.key))
                        continue;
                    const boost::shared_ptr<TimeTrackRecord> quickBooksSide = entry.diff->GetQuickBooksSide();
                    const TimeTrackRecord& record = quickBooksSide ? *quickBooksSide : *entry.diff->GetImportSide();
                    promisedCell.leave = promisedCell.leave || record.IsLeave();
                    if (quickBooksSide)
                        promisedCell.txnIds.insert(quickBooksSide->GetTxnId());
                    if (entry.diff->IsBilledConflict())
                        promisedCell.billedConflictMinutes += quickBooksSide->GetMinutes();
                }
                if (promisedCell.keeping != KeepsLeaveNotImported && promisedCell.keeping != KeepsLeaveOfUnknownType)
                    promised.cellsAfter += promisedCell.after;
                if (CountsAsImported(promisedCell))
                    (promisedCell.leave ? promised.leave : promised.working) +=
                        promisedCell.after - promisedCell.billedConflictMinutes;
                promised.warning = promised.warning || promisedCell.state == DeletedCell ||
                                   promisedCell.state == KeptCell || promisedCell.state == BilledConflictCell;
                promise.cells.push_back(promisedCell);
            }
        }
        promise.employees.push_back(promised);
    }
    return promise;
}

// The import asks whether entries are deleted when a selected user's entry is absent on the server,
// and the bookkeeper's answer replaces the setting: the preview's promise is read under it. The
// setting stays as it was, for the import to ask.
Promise ReadAnsweredPromise(const MainModel& model, bool answer)
{
    Config& config = *model.GetConfig();
    const boost::shared_ptr<EmployeeDiffCollection> diffs = model.GetEmployeeDiffs();
    for (const boost::shared_ptr<EmployeeDiff>& diff : *diffs) {
        const std::wstring id = diff->GetServerUser()->GetId();
        if (!config.GetSelectedEmployees()->count(id) || IsExcludedFromImport(config, id))
            continue;
        const boost::shared_ptr<TimeTrackDiffCollection> taken =
            CollectTimeTrackDiffs(model, *diff->GetTimeTrackDiffs());
        for (const boost::shared_ptr<TimeTrackDiff>& entry : *taken) {
            if (!entry->IsAbsentOnServer())
                continue;
            const bool setting = config.GetCanRemoveExistingQBTimeTrack();
            config.SetCanRemoveExistingQBTimeTrack(answer);
            const Promise promise = ReadPromise(model);
            config.SetCanRemoveExistingQBTimeTrack(setting);
            return promise;
        }
    }
    return ReadPromise(model);
}

EntriesById ById(const std::vector<std::pair<std::wstring, std::wstring>>& entries)
{
    return EntriesById(entries.begin(), entries.end());
}

// Every cell holds in QuickBooks what the preview said it would.
void CheckCells(const MainModel& model, const Promise& promise, Failures& failures)
{
    const Config& config = *model.GetConfig();
    const DateRange period = config.GetPeriod();
    const boost::shared_ptr<Connectors::DesktopConnector> connector = model.GetQuickBooksConnector();
    std::map<std::wstring, std::vector<KeyedEntry>> held;
    for (const PromisedEmployee& employee : promise.employees) {
        boost::shared_ptr<TimeTrackRecordCollection> entries;
        connector->GetTimeTrack(employee.listId, period.GetStart(), period.GetEnd(), entries);
        Employee nobody;
        PreviewRowKeys keys(model, config, nobody, nobody);
        for (const boost::shared_ptr<TimeTrackRecord>& entry : entries ? *entries : TimeTrackRecordCollection()) {
            KeyedEntry keyed;
            keyed.diff.reset(new TimeTrackDiff(entry, entry));
            keys.MakeKey(*keyed.diff, keyed);
            held[employee.listId].push_back(keyed);
        }
    }
    for (const PromisedCell& cell : promise.cells) {
        int minutes = 0;
        for (const KeyedEntry& entry : held[cell.employeeId])
            if (entry.diff->GetDate() == cell.day && SameCustomerJobPayroll(cell.row, entry.key))
                minutes += entry.diff->GetQuickBooksSide()->GetMinutes();
        if (minutes != cell.after)
            failures.push_back("preview: cell " + DescribeCell(cell) + " showed " + std::to_string(cell.after) +
                               " minutes, QuickBooks holds " + std::to_string(minutes));
    }
}

// Only entries of cells the preview showed as changing were changed, added or deleted.
void CheckUntouched(const Promise& promise, const EntriesById& before, const EntriesById& after, Failures& failures)
{
    std::map<std::wstring, const PromisedCell*> cellOf;
    std::set<std::wstring> changingEmployees;
    for (const PromisedCell& cell : promise.cells) {
        for (const std::wstring& txnId : cell.txnIds)
            cellOf[txnId] = &cell;
        if (cell.state == ChangedCell)
            changingEmployees.insert(cell.employeeId);
    }
    for (const EntriesById::value_type& entry : before) {
        const EntriesById::const_iterator now = after.find(entry.first);
        if (now != after.end() && now->second == entry.second)
            continue;
        const std::map<std::wstring, const PromisedCell*>::const_iterator cell = cellOf.find(entry.first);
        if (cell == cellOf.end())
            failures.push_back("preview: entry " + Narrow(entry.first) + " changed though the preview did not show it");
        else if (cell->second->state != ChangedCell && cell->second->state != DeletedCell)
            failures.push_back("preview: entry " + Narrow(entry.first) + " of cell " + DescribeCell(*cell->second) +
                               " changed");
    }
    for (const EntriesById::value_type& entry : after) {
        if (before.count(entry.first))
            continue;
        const std::wstring employee = QbSim::Json::Parse(entry.second).GetPath(L"EntityRef.ListID").AsString();
        if (!changingEmployees.count(employee))
            failures.push_back("preview: entry " + Narrow(entry.first) + " added for " + Narrow(employee) +
                               ", for whom the preview showed no change");
    }
}

void CheckLog(const Promise& promise, const ImportOutcome& outcome, Failures& failures)
{
    std::map<std::wstring, std::pair<int, int>> logged;
    std::map<std::wstring, std::set<std::wstring>> statuses;
    ReadLogTotals(outcome.log, logged, statuses);
    std::map<std::wstring, std::pair<int, int>> expected;
    std::map<std::wstring, bool> warned;
    int working = 0, leave = 0;
    for (const PromisedEmployee& employee : promise.employees) {
        expected[employee.logName].first += employee.working;
        expected[employee.logName].second += employee.leave;
        warned[employee.logName] = warned[employee.logName] || employee.warning;
        working += employee.working;
        leave += employee.leave;
    }
    for (const PromisedEmployee& employee : promise.employees)
        if (employee.summaryAfter != employee.cellsAfter)
            failures.push_back("preview: the summary's time after the import of " + Narrow(employee.logName) + " is " +
                               std::to_string(employee.summaryAfter) + ", the preview's cells hold " +
                               std::to_string(employee.cellsAfter));
    for (const std::pair<const std::wstring, std::pair<int, int>>& employee : expected) {
        const std::pair<int, int> found = logged[employee.first];
        if (found != employee.second)
            failures.push_back("preview: log of " + Narrow(employee.first) + ": working " +
                               std::to_string(found.first) + ", leave " + std::to_string(found.second) +
                               "; the preview counts " + std::to_string(employee.second.first) + " and " +
                               std::to_string(employee.second.second));
        if (warned[employee.first] && !statuses[employee.first].count(L"Warning"))
            failures.push_back("preview: log of " + Narrow(employee.first) +
                               " has no warning though the preview shows kept, deleted or billed time");
    }
    for (const std::wstring& call : outcome.viewCalls)
        if (call.compare(0, 9, L"ShowError") == 0)
            failures.push_back("preview: the import stopped: " + Narrow(call));
    const std::wstring panel = L"SetImportedWorkingTime " + std::to_wstring(working);
    const std::wstring leavePanel = L"SetImportedLeaveTime " + std::to_wstring(leave);
    bool workingShown = false, leaveShown = false;
    for (const std::wstring& call : outcome.viewCalls) {
        workingShown = workingShown || call == panel;
        leaveShown = leaveShown || call == leavePanel;
    }
    if (!workingShown || !leaveShown)
        failures.push_back("preview: the end panel does not count " + std::to_string(working) + " working and " +
                           std::to_string(leave) + " leave minutes");
}

// After the import, a reload shows nothing to change and an import writes nothing.
void CheckNothingLeft(WorldRun& run, Failures& failures)
{
    const boost::shared_ptr<MainModel> model = run.Load();
    if (!model)
        return;
    for (const PromisedCell& cell : ReadAnsweredPromise(*model, run.GetWorld().deleteAbsent).cells)
        if (cell.state == ChangedCell || cell.state == DeletedCell)
            failures.push_back("preview: after the import the preview still shows cell " + DescribeCell(cell));
    QbSim::Control::ClearTrace();
    run.Import(model, true);
    for (const std::wstring& line : QbSim::Control::Trace())
        if (line.find(L"TimeTrackingAdd") != std::wstring::npos ||
            line.find(L"TimeTrackingMod") != std::wstring::npos || line.find(L"TxnDel") != std::wstring::npos)
            failures.push_back("preview: a second import wrote " + Narrow(line));
}

}  // namespace

std::vector<std::string> CheckWorld(const World& world)
{
    Failures failures;
    try {
        WorldRun run(world);
        const ModelImport last = ExpectLastImport(world);
        CheckCompany("the last import", last.after, run.SetUpQuickBooks(), failures);
        if (!failures.empty())
            return failures;
        const ModelCompany before = ExpectCompanyBefore(world, last.after);
        const ModelImport expected = ExpectImport(world, before);
        const boost::shared_ptr<MainModel> model = run.Load();
        if (!model || expected.refused) {
            if (!model != expected.refused)
                failures.push_back(std::string("model: the mapping checks are ") +
                                   (expected.refused ? "to stop" : "not to stop") + " the load; they " +
                                   (model ? "do not" : "do"));
            return failures;
        }
        CheckSummary(world, model, expected, failures);
        const Promise promise = ReadAnsweredPromise(*model, world.deleteAbsent);
        const EntriesById entriesBefore = ById(QuickBooksEntries());
        QbSim::Control::ClearTrace();
        const ImportOutcome outcome = run.Import(model);
        const std::vector<std::wstring> trace = QbSim::Control::Trace();
        CheckCompany("the import", expected.after, QuickBooksCompany(world), failures);
        CheckImportLog(world, expected, outcome.log, trace, outcome.viewCalls, failures);
        // What QuickBooks had changed or renamed since the preview is left as it is, unlike the
        // preview showed it, and a stopped import leaves undone what it showed.
        if (expected.ending != Finished)
            return failures;
        for (const WorldEdit& edit : world.edits)
            if (edit.moment != BeforeLoad && FindEditedEntry(world, before, edit) >= 0)
                return failures;
        if (!world.renamedAfterPreview.empty())
            return failures;
        CheckCells(*model, promise, failures);
        CheckUntouched(promise, entriesBefore, ById(QuickBooksEntries()), failures);
        CheckLog(promise, outcome, failures);
        CheckNothingLeft(run, failures);
    } catch (const std::exception& failure) {
        failures.push_back(std::string("failed: ") + failure.what());
    } catch (...) {
        failures.push_back("failed with an exception that is no std::exception");
    }
    return failures;
}
