#include "app/import/ImportRun.h"

#include <map>
#include <sstream>
#include <boost/bind/bind.hpp>

#include "app/HtmlEscape.h"
#include "app/MainModel.h"
#include "app/Resolvers.h"
#include "app/import/ImportConnector.h"
#include "app/missing/CreationFailureTexts.h"
#include "app/missing/MissingItemsController.h"
#include "core/Config.h"
#include "core/EmployeeDiff.h"
#include "core/Exceptions.h"
#include "core/ImportLogger.h"

namespace Quorvane {

namespace {

// QuickBooks's value for an employee whose paychecks are not made from time data.
const int kDoNotUseTimeData = 2;

const wchar_t* const kCreationOff = L"Automatic creation of this kind of item is turned off in the settings.";

// Only adds send names to QuickBooks, and leave sends none.
bool IsWorkingTimeAdd(const TimeTrackDiff& entry)
{
    return !entry.GetQuickBooksSide() && entry.GetImportSide() && !entry.GetImportSide()->IsLeave();
}

void AddCandidate(std::set<std::pair<int, std::wstring>>& candidates, const MissingItemCollection& missing, int kind,
                  const std::wstring& name)
{
    if (!name.empty() && !missing.ContainsName(name))
        candidates.insert(std::make_pair(kind, name));
}

// TxnID to EditSequence of every entry the preview holds for the employee in QuickBooks.
std::map<std::wstring, std::wstring> PreviewedEntries(const TimeTrackDiffCollection& diffs)
{
    std::map<std::wstring, std::wstring> entries;
    for (TimeTrackDiffCollection::const_iterator it = diffs.begin(); it != diffs.end(); ++it)
        if ((*it)->GetQuickBooksSide())
            entries[(*it)->GetQuickBooksSide()->GetTxnId()] = (*it)->GetQuickBooksSide()->GetEditSequence();
    return entries;
}

std::wstring OpenFormsText(const std::vector<std::wstring>& titles)
{
    std::wstring text = titles.size() == 1
                            ? L"Import has been interrupted as Quorvane Pellworth has detected that the following "
                              L"window for entering time is open in QuickBooks:<br><ul>"
                            : L"Import has been interrupted as Quorvane Pellworth has detected that the following "
                              L"windows for entering time are open in QuickBooks:<br><ul>";
    for (size_t i = 0; i < titles.size(); ++i)
        text += L"<li>" + HtmlEscape(titles[i]) + L"</li>";
    return text + L"</ul>";
}

}  // namespace

void ImportRun::PrepareImport(MissingDeclaredItems& missing)
{
    std::set<std::pair<int, std::wstring>> candidates;
    const int level = m_snapshot.config->GetMappingType();
    MissingItemsController missingItems(m_snapshot.model, m_snapshot.config, m_snapshot.connector);
    for (size_t i = 0; i < m_snapshot.selection.size(); ++i) {
        const boost::shared_ptr<EmployeeDiff> diff = FindDiff(m_snapshot.selection[i]);
        if (!diff)
            continue;
        const boost::shared_ptr<MissingItemCollection> toCreate = missingItems.CollectMissingItems(*diff);
        const boost::shared_ptr<Employee> naming =
            FindNamingEmployee(*m_snapshot.model, *m_snapshot.config, diff->GetServerUser());
        const boost::shared_ptr<TimeTrackDiffCollection> entries =
            CollectTimeTrackDiffs(*m_snapshot.model, *diff->GetTimeTrackDiffs(), m_snapshot.config.get());
        for (TimeTrackDiffCollection::const_iterator it = entries->begin(); it != entries->end(); ++it) {
            if (!IsWorkingTimeAdd(**it))
                continue;
            const TimeTrackRecord& entry = *(*it)->GetImportSide();
            AddCandidate(candidates, *toCreate, MissingItem::CustomerKind, entry.GetCustomerJobName(level));
            AddCandidate(candidates, *toCreate, MissingItem::ServiceItemKind,
                         MakeServiceItemName(*m_snapshot.config, entry, *naming));
        }
    }
    for (MissingDeclaredItems::const_iterator it = candidates.begin(); it != candidates.end(); ++it) {
        const bool exists = it->first == MissingItem::CustomerKind
                                ? m_snapshot.connector->CheckCustomerJobExist(it->second)
                                : m_snapshot.connector->CheckServiceItemExist(it->second);
        if (!exists)
            missing.insert(*it);
    }
}

bool ImportRun::HasAbsentTimeTrack()
{
    bool absent = false;
    bool billed = false;
    for (size_t i = 0; i < m_snapshot.selection.size() && !(absent && billed) && !m_stopRequested(); ++i) {
        const boost::shared_ptr<EmployeeDiff> diff = FindDiff(m_snapshot.selection[i]);
        if (!diff)
            continue;
        const boost::shared_ptr<TimeTrackDiffCollection> entries =
            CollectTimeTrackDiffs(*m_snapshot.model, *diff->GetTimeTrackDiffs(), m_snapshot.config.get());
        for (TimeTrackDiffCollection::const_iterator it = entries->begin(); it != entries->end(); ++it) {
            absent = absent || (*it)->IsAbsentOnServer();
            billed = billed || (*it)->IsBilledConflict();
        }
    }
    if (absent)
        Post(boost::bind(&IMainView::ShowAbsentTimeTrack, m_view, billed));
    return absent;
}

void ImportRun::CountImportTotals(int& leave, int& working)
{
    leave = 0;
    working = 0;
    for (size_t i = 0; i < m_snapshot.selection.size(); ++i) {
        const boost::shared_ptr<EmployeeDiff> diff = FindDiff(m_snapshot.selection[i]);
        if (!diff)
            continue;
        const boost::shared_ptr<TimeTrackDiffCollection> entries =
            CollectTimeTrackDiffs(*m_snapshot.model, *diff->GetTimeTrackDiffs(), m_snapshot.config.get());
        for (TimeTrackDiffCollection::const_iterator it = entries->begin(); it != entries->end(); ++it)
            if (!(*it)->IsBilledConflict())
                AddTimeAfterImport(**it, working, leave);
    }
}

bool ImportRun::CheckQuickBooksTimeTrackUnchanged()
{
    std::set<std::wstring> changed;
    for (size_t i = 0; i < m_snapshot.selection.size() && !m_stopRequested(); ++i) {
        const boost::shared_ptr<EmployeeDiff> diff = FindDiff(m_snapshot.selection[i]);
        if (diff && HasTimeTrackChanged(*diff))
            changed.insert(m_snapshot.selection[i]);
    }
    if (changed.empty())
        return false;
    std::wostringstream problem;
    problem << L"Time-track of " << changed.size() << L" employee(s)"
            << L" has been changed in QuickBooks and does not match the previewed data.";
    const std::wstring title = L"Time-Track was changed in QuickBooks";
    m_logger->SetOutcome(Logging::ImportLogger::InterruptedByError);
    m_logger->AddProblem(Logging::ImportLogger::ErrorLevel, title, problem.str());
    for (size_t i = 0; i < m_snapshot.selection.size() && !m_stopRequested(); ++i) {
        const boost::shared_ptr<EmployeeDiff> diff = FindDiff(m_snapshot.selection[i]);
        if (diff)
            BeginEmployee(*diff, changed.count(m_snapshot.selection[i]) ? Logging::EmployeeStatus::Error
                                                                        : Logging::EmployeeStatus::Skipped);
    }
    FinishLog();
    Post(boost::bind(&IMainView::HideImportProgress, m_view));
    PostError(title, problem.str(), L"",
              L"<ol><li>Review the import log to find employees whose data has been changed</li>"
              L"<li>Close this message and review the updated data to import</li>"
              L"<li>Make sure that nobody is modifying QuickBooks data and restart the import</li></ol>",
              L"reload", 2);
    return true;
}

// Paired by TxnID: a missing, extra or re-sequenced entry is a change.
bool ImportRun::HasTimeTrackChanged(const EmployeeDiff& diff)
{
    boost::shared_ptr<Employee> employee;
    try {
        employee = FindQuickBooksEmployee(*m_snapshot.model, diff.GetServerUser()->GetId(), m_snapshot.config.get());
    } catch (const NotFoundException&) {
        return false;
    }
    const DateRange period = m_snapshot.config->GetPeriod();
    const boost::shared_ptr<TimeTrackRecordCollection> fresh =
        m_snapshot.connector->GetTimeTrack(employee->GetId(), period.GetStart(), period.GetEnd());
    const std::map<std::wstring, std::wstring> previewed = PreviewedEntries(*diff.GetTimeTrackDiffs());
    const size_t freshCount = fresh ? fresh->Count() : 0;
    if (freshCount != previewed.size())
        return true;
    for (size_t i = 0; fresh && i < freshCount; ++i) {
        const TimeTrackRecord& entry = **(fresh->begin() + i);
        std::map<std::wstring, std::wstring>::const_iterator found = previewed.find(entry.GetTxnId());
        if (found == previewed.end() || found->second != entry.GetEditSequence())
            return true;
    }
    return false;
}

bool ImportRun::CheckTimeEntryWindowsClosed()
{
    const std::vector<std::wstring> titles = m_findOpenForms();
    if (titles.empty())
        return false;
    const std::wstring title =
        titles.size() == 1 ? L"Window for Entering Time is Open in QB" : L"Windows for Entering Time are Open in QB";
    const std::wstring text = OpenFormsText(titles);
    Post(boost::bind(&IMainView::HideImportProgress, m_view));
    PostError(title, text, L"", L"Please close all windows for entering time in QuickBooks and restart the import.",
              L"reload", 0);
    m_logger->SetOutcome(Logging::ImportLogger::InterruptedByError);
    m_logger->AddProblem(Logging::ImportLogger::ErrorLevel, title, text);
    m_logger->RaiseCurrentEmployeeStatus(Logging::EmployeeStatus::Error);
    SkipRemainingEmployees();
    FinishLog();
    PostImportFinished();
    return true;
}

bool ImportRun::CreateMissingItemsBeforeImport(const EmployeeDiff& diff, const std::wstring& name)
{
    const boost::shared_ptr<MissingItemCollection> items = m_missingItems->CollectMissingItems(diff);
    const boost::shared_ptr<MissingItemStatusList> statuses = m_missingItems->ValidateMissingItems(*items);
    for (MissingItemStatusList::const_iterator it = statuses->begin(); it != statuses->end(); ++it) {
        const bool allowed = (*it)->GetStatus() == MissingItemStatus::MayCreate;
        const int code = allowed ? m_missingItems->CreateMissingItems((*it)->GetItem()) : 1;
        if (code == 0) {
            if ((*it)->GetItem()->GetKind() == MissingItem::EmployeeKind)
                KeepCreatedEmployeeRules(m_snapshot, (*it)->GetItem()->GetName());
            continue;
        }
        const std::wstring refusal =
            (*it)->GetStatus() == MissingItemStatus::CreationOff ? kCreationOff : (*it)->GetStatusMessage();
        const CreationFailureTexts texts =
            MakeCreationFailureTexts(*m_snapshot.model, *(*it)->GetItem(), diff, code, allowed ? L"" : refusal);
        const std::wstring title = L"Cannot import data for " + name;
        Post(boost::bind(&IMainView::HideImportProgress, m_view));
        PostError(title, texts.heading, texts.problem, texts.resolution, L"", 0);
        m_logger->SetOutcome(Logging::ImportLogger::InterruptedByError);
        m_logger->AddProblem(Logging::ImportLogger::ErrorLevel, title, texts.logText);
        return true;
    }
    return false;
}

void ImportRun::SetTimeDataFlagOfSelectedEmployees()
{
    for (size_t i = 0; i < m_snapshot.selection.size() && !m_stopRequested(); ++i) {
        try {
            const boost::shared_ptr<Employee> employee =
                FindQuickBooksEmployee(*m_snapshot.model, m_snapshot.selection[i], m_snapshot.config.get());
            if (employee->GetUsesTimeDataValue() != 0)
                continue;
            std::wstring newEditSequence;
            const int status = m_snapshot.connector->ChangeFlagUseTimeData(
                employee->GetId(), employee->GetEditSequence(), kDoNotUseTimeData, newEditSequence);
            if (status != 0)
                ReportTimeDataFlagRefused(*employee, status);
            else if (!newEditSequence.empty())
                employee->SetEditSequence(newEditSequence);
        } catch (const NotFoundException&) {
        }
    }
    ReportQuickBooksWarnings(NULL);
}

}  // namespace Quorvane
