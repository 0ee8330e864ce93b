#include "app/import/ImportRun.h"

#include <boost/bind/bind.hpp>

#include "app/MainModel.h"
#include "app/Resolvers.h"
#include "core/Config.h"
#include "core/DisplayNames.h"
#include "core/EmployeeDiff.h"
#include "core/Exceptions.h"
#include "core/ImportLogger.h"

namespace Quorvane {

boost::shared_ptr<EmployeeDiff> ImportRun::FindDiff(const std::wstring& userId) const
{
    try {
        return m_snapshot.preview->FindByEmployeeId(userId);
    } catch (const NotFoundException&) {
        return boost::shared_ptr<EmployeeDiff>();
    }
}

ImportRun::EmployeeNames ImportRun::GetEmployeeNames(const EmployeeDiff& diff) const
{
    const boost::shared_ptr<Employee> user = diff.GetServerUser();
    boost::shared_ptr<Employee> shown = user;
    try {
        shown = FindQuickBooksEmployee(*m_snapshot.model, user->GetId(), m_snapshot.config.get());
    } catch (const NotFoundException&) {
    }
    EmployeeNames names;
    names.quickBooksSide = FormatEmployeeName(m_snapshot.config.get(), *shown, false);
    names.serverSide = FormatEmployeeName(m_snapshot.config.get(), *user, true);
    return names;
}

void ImportRun::BeginEmployee(const EmployeeDiff& diff, int status)
{
    const EmployeeNames names = GetEmployeeNames(diff);
    m_logger->BeginEmployee(names.quickBooksSide, diff.GetServerUser()->GetId(), names.serverSide, status);
}

void ImportRun::SkipRemainingEmployees()
{
    for (size_t i = m_nextEmployee; i < m_snapshot.selection.size(); ++i) {
        const boost::shared_ptr<EmployeeDiff> diff = FindDiff(m_snapshot.selection[i]);
        if (diff)
            BeginEmployee(*diff, Logging::EmployeeStatus::Skipped);
    }
    m_nextEmployee = m_snapshot.selection.size();
}

void ImportRun::FinishLog()
{
    if (m_logFinished)
        return;
    m_logFinished = true;
    m_logger->Finish();
}

std::wstring ImportRun::GetLogFilePath() const
{
    return m_logger ? m_logger->GetLogFilePath() : std::wstring();
}

void ImportRun::PostError(const std::wstring& title, const std::wstring& problem, const std::wstring& reason,
                          const std::wstring& furtherActions, const std::wstring& customValue, int buttons)
{
    Post(boost::bind(&IMainView::ShowError, m_view, title, problem, reason, furtherActions, customValue, buttons));
}

void ImportRun::PostImportFinished()
{
    if (m_finishedPosted)
        return;
    m_finishedPosted = true;
    InterlockedExchange(&m_reportedEnd, 1);
    Post(boost::bind(&IMainView::OnImportFinished, m_view));
}

void ImportRun::Post(const boost::function<void()>& call)
{
    m_post(call);
}

}  // namespace Quorvane
