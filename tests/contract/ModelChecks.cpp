#include "ModelChecks.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>

#include "app/MainModel.h"
#include "ui/main/SummaryTable.h"
#include "ui/main/SummaryTotalsView.h"
#include "WorldRun.h"

namespace {

std::map<int, ModelCompany> ByEmployee(const ModelCompany& company)
{
    std::map<int, ModelCompany> entries;
    for (const ModelEntry& entry : company)
        entries[entry.employee].push_back(entry);
    for (std::pair<const int, ModelCompany>& employee : entries)
        std::sort(employee.second.begin(), employee.second.end());
    return entries;
}

std::string Entries(const ModelCompany& entries)
{
    std::string text;
    for (const ModelEntry& entry : entries)
        text += "\n      " + DescribeEntry(entry);
    return text.empty() ? " nothing" : text;
}

// The number after `attribute="` from `from` on, or -1.
int NumberAfter(const std::wstring& markup, const std::wstring& attribute, size_t from)
{
    const size_t at = markup.find(attribute + L"=\"", from);
    return at == std::wstring::npos ? -1 : std::stoi(markup.substr(at + attribute.size() + 2));
}

// The summary's rows by user id: the times before and after the import they show.
std::map<std::wstring, std::pair<int, int>> ReadRows(const boost::shared_ptr<MainModel>& model)
{
    std::wstring markup;
    for (const std::wstring& piece : PreparedSummary(model).rows)
        markup += piece;
    std::map<std::wstring, std::pair<int, int>> rows;
    for (size_t row = markup.find(L"<tr"); row != std::wstring::npos; row = markup.find(L"<tr", row + 1)) {
        const size_t id = markup.find(L"id=\"empl_", row) + 9;
        const std::wstring user = markup.substr(id, markup.find(L'"', id) - id);
        rows[user] = std::make_pair(NumberAfter(markup, L"colType=\"colTimeQB\" value", row),
                                    NumberAfter(markup, L"colType=\"colTotalTimeQB\" value", row));
    }
    return rows;
}

int Count(const std::vector<std::wstring>& lines, const std::wstring& text)
{
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&text](const std::wstring& line) {
        return line.find(text) != std::wstring::npos;
    }));
}

}  // namespace

void CheckCompany(const std::string& moment, const ModelCompany& expected, const ModelCompany& held, Failures& failures)
{
    std::map<int, ModelCompany> want = ByEmployee(expected);
    std::map<int, ModelCompany> have = ByEmployee(held);
    for (const std::pair<const int, ModelCompany>& employee : have)
        want[employee.first];
    for (const std::pair<const int, ModelCompany>& employee : want)
        if (employee.second != have[employee.first])
            failures.push_back("model: after " + moment + " employee E-" + std::to_string(employee.first) +
                               " is to hold" + Entries(employee.second) + "\n    QuickBooks holds" +
                               Entries(have[employee.first]));
}

void CheckSummary(const World& world, const boost::shared_ptr<MainModel>& model, const ModelImport& expected,
                  Failures& failures)
{
    const std::map<std::wstring, std::pair<int, int>> rows = ReadRows(model);
    for (const std::pair<const int, ModelTotals>& user : expected.users) {
        const std::wstring id = std::to_wstring(world.users[user.first].id);
        const std::pair<int, int> want(user.second.before, user.second.after);
        const std::map<std::wstring, std::pair<int, int>>::const_iterator row = rows.find(id);
        const std::pair<int, int> shown = row == rows.end() ? std::make_pair(0, 0) : row->second;
        const SummaryTotals footer = SelectionTotals(model, std::set<std::wstring> { id });
        const std::string expectation = "model: the summary of user " + std::to_string(user.first) + " is to show " +
                                        std::to_string(want.first) + " before and " + std::to_string(want.second) +
                                        " after the import; ";
        if (shown != want)
            failures.push_back(expectation + "its row shows " + std::to_string(shown.first) + " and " +
                               std::to_string(shown.second));
        if (std::make_pair(footer.before, footer.after) != want)
            failures.push_back(expectation + "the footer, with only that user selected, shows " +
                               std::to_string(footer.before) + " and " + std::to_string(footer.after));
    }
    // A selection of several, drawn from the world's seed.
    std::set<std::wstring> selection;
    std::pair<int, int> want(0, 0);
    unsigned draw = world.seed * 2654435761u;
    for (const std::pair<const int, ModelTotals>& user : expected.users) {
        if ((draw >>= 1) & 1)
            continue;
        selection.insert(std::to_wstring(world.users[user.first].id));
        want.first += user.second.before;
        want.second += user.second.after;
    }
    const SummaryTotals footer = SelectionTotals(model, selection);
    if (std::make_pair(footer.before, footer.after) != want)
        failures.push_back("model: the footer of " + std::to_string(selection.size()) + " users is to show " +
                           std::to_string(want.first) + " before and " + std::to_string(want.second) +
                           " after the import; it shows " + std::to_string(footer.before) + " and " +
                           std::to_string(footer.after));
}

namespace {

// A run that comes to its end says it succeeded unless it warned of something; of one kind of
// warning, it names that kind.
void CheckLastWord(const ModelImport& expected, bool warned, const std::vector<std::wstring>& viewCalls,
                   Failures& failures)
{
    if (expected.ending != Finished && expected.ending != StoppedByUser)
        return;
    std::vector<std::wstring> warnings;
    const auto warnOf = [&warnings](bool holds, const wchar_t* text) {
        if (holds)
            warnings.push_back(text);
    };
    warnOf(expected.reports.billed > 0, L"The time-track for some employees was not synchronized with Quorvane "
                                        L"as it is billed. Please see log for details.");
    warnOf(expected.reports.deleted > 0, L"Some of existing time-track was deleted from QB Timesheet during the "
                                         L"import. Please view import log for details.");
    warnOf(expected.reports.kept > 0, L"Some of existing time-track was kept in QB Timesheet although Quorvane "
                                      L"does not have it. Please view import log for details.");
    warnOf(expected.reports.changed > 0, L"The time-track for some employees was changed in QB during import. "
                                         L"These changes were not replaced with import. Please see log for details.");
    warnOf(warned, L"QuickBooks accepted some of the changes with warnings. Please see log for details.");
    const std::wstring word = warnings.empty()       ? L"ShowImportSucceeded"
                              : warnings.size() == 1 ? L"ShowImportFailed " + warnings[0]
                                                     : L"ShowImportFailed ";
    if (Count(viewCalls, L"ShowImportSucceeded") + Count(viewCalls, L"ShowImportFailed") != 1 ||
        Count(viewCalls, word) != 1)
        failures.push_back("model: the import is to end with " + Narrow(word));
}

}  // namespace

void CheckImportLog(const World& world, const ModelImport& expected, const std::vector<std::wstring>& log,
                    const std::vector<std::wstring>& importTrace, const std::vector<std::wstring>& viewCalls,
                    Failures& failures)
{
    std::map<std::wstring, std::pair<int, int>> logged;
    std::map<std::wstring, std::set<std::wstring>> statuses;
    ReadLogTotals(log, logged, statuses);
    for (const std::pair<const std::wstring, std::pair<int, int>>& employee : expected.logged) {
        const std::pair<int, int> found = logged[employee.first];
        if (found != employee.second)
            failures.push_back("model: the log of " + Narrow(employee.first) + " is to count working " +
                               std::to_string(employee.second.first) + " and leave " +
                               std::to_string(employee.second.second) + "; it counts " + std::to_string(found.first) +
                               " and " + std::to_string(found.second));
    }
    const struct {
        int expected;
        const wchar_t* message;
        const char* what;
    } reports[] = {
        { expected.reports.deleted, L"The following time entry was deleted as it is absent in Quorvane:", "deleted" },
        { expected.reports.kept, L"The following time entry was kept in QB although Quorvane does not have it",
          "kept" },
        { expected.reports.billed, L"The following time entry was not synchronized with Quorvane as it is billed:",
          "billed" },
        { expected.reports.changed, L"Import did not update the following time entry as it was changed in QB.",
          "changed in QuickBooks during the import" },
    };
    for (const auto& report : reports) {
        const int found = Count(log, report.message);
        if (found != report.expected)
            failures.push_back("model: the log is to report " + std::to_string(report.expected) + " entries " +
                               report.what + "; it reports " + std::to_string(found));
    }
    const std::wstring panel[] = { L"SetImportedWorkingTime " + std::to_wstring(expected.panel.first),
                                   L"SetImportedLeaveTime " + std::to_wstring(expected.panel.second) };
    // A customer:job gone since the preview stops the import before it shows its panel.
    const int panels = expected.ending == StoppedAtDataConflict ? 0 : 1;
    if (Count(viewCalls, panel[0]) != panels || Count(viewCalls, panel[1]) != panels)
        failures.push_back("model: the end panel is to count " + std::to_string(expected.panel.first) +
                           " working and " + std::to_string(expected.panel.second) + " leave minutes" +
                           (panels ? "" : ", and never to show"));
    if (!expected.gone.empty()) {
        std::wstring gone = L"Customers & Jobs:<ul>";
        for (const std::wstring& customerJob : expected.gone)
            gone += L"<li>" + customerJob + L"</li>";
        gone += L"</ul> |";
        if (Count(viewCalls, L"ShowError Data Conflict Detected") != 1 || Count(viewCalls, gone) != 1)
            failures.push_back("model: the import is to report the customer:jobs gone from QuickBooks: " +
                               Narrow(gone));
    }
    static const char* const kEndings[] = { "finish",
                                            "stop at the bookkeeper's Stop",
                                            "stop at a change in QuickBooks since the preview",
                                            "stop at an open time-entry window",
                                            "stop at a customer:job gone from QuickBooks since the preview",
                                            "stop at an item it may not create",
                                            "stop at an error of QuickBooks" };
    const bool stopped = Count(viewCalls, L"ShowError") > 0 || Count(log, L": Skipped") > 0;
    if (stopped != (expected.ending != Finished))
        failures.push_back(std::string("model: the import is to ") + kEndings[expected.ending] + "; it " +
                           (stopped ? "stopped" : "finished"));
    const WorldAnswer& answer = world.answer;
    const bool warned = !answer.request.empty() && answer.kind == WorldAnswer::Warning &&
                        Count(importTrace, L" " + answer.request + L":") > answer.skip;
    const int reported = Count(log, std::wstring(L"QuickBooks: ") + kQuickBooksWarning);
    if (reported != (warned ? 1 : 0))
        failures.push_back("model: QuickBooks warned " + std::string(warned ? "once" : "never") +
                           " during the import; the log reports " + std::to_string(reported) + " warnings");
    CheckLastWord(expected, warned, viewCalls, failures);
}

void ReadLogTotals(const std::vector<std::wstring>& log, std::map<std::wstring, std::pair<int, int>>& totals,
                   std::map<std::wstring, std::set<std::wstring>>& statuses)
{
    for (const std::wstring& line : log) {
        const size_t open = line.find(L"  (Working time ");
        const size_t colon = line.rfind(L": ", open);
        if (line.empty() || line[0] != L'\t' || open == std::wstring::npos || colon == std::wstring::npos)
            continue;
        const std::wstring name = line.substr(1, colon - 1);
        statuses[name].insert(line.substr(colon + 2, open - colon - 2));
        std::wstring times = line.substr(open + 16);
        int hours = 0, minutes = 0, leaveHours = 0, leaveMinutes = 0;
        swscanf(times.c_str(), L"%d:%d, Leave time %d:%d", &hours, &minutes, &leaveHours, &leaveMinutes);
        totals[name].first += hours * 60 + minutes;
        totals[name].second += leaveHours * 60 + leaveMinutes;
    }
}
