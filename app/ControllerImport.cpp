// Starting, stopping and looking back at the import run.
#include "app/MainController.h"

#include <boost/bind/bind.hpp>

#include "app/MainModel.h"
#include "app/OpenOrExplain.h"
#include "app/import/ImportRun.h"
#include "connectors/quickbooks/OpenQuickBooksForms.h"
#include "core/PostToThread.h"

using namespace Quorvane;

namespace {

// A run has reported its end to the view a moment before its thread is done; a start asked
// for in that moment (the answer to the absent-time-track question) waits for it.
const DWORD kEndingRunMs = 1000;

}  // namespace

// Whether a run goes. The answer comes at once while the run goes; only one that has already
// told the view it ended is waited for a moment, as its thread is still finishing.
bool MainController::IsImportGoingOn() const
{
    if (!m_imports.IsRunning())
        return false;
    const bool ending = m_lastImport && m_lastImport->HasReportedEnd();
    return !ending || !m_imports.WaitUntilIdle(kEndingRunMs);
}

// The view disables its import button while a run goes, but a double click or a second script
// call can still arrive before it has heard of the first run: the launcher refuses those. A
// load replaces what the run would work on, so no run starts while one goes.
void MainController::StartImport(bool checkAbsent)
{
    if (IsImportGoingOn())
        return;
    // In the other refusals no run started: the view, which took the click for one, is told
    // that none goes, or its import button would stay disabled.
    if (IsLoading()) {
        m_view->OnImportFinished();
        return;
    }
    if (m_lastImport && m_lastImport->HasImported() && m_lastImport->GetPreview() == m_model->GetEmployeeDiffs()) {
        m_view->ShowError(L"Cannot import data", L"These entries were imported; reload to see what is left to import",
                          L"", L"", L"reload", 0);
        m_view->OnImportFinished();
        return;
    }
    InterlockedExchange(&m_stopImport, 0);
    boost::shared_ptr<ImportRun> run(new ImportRun(TakeImportSnapshot(m_model), checkAbsent, m_view,
                                                   boost::bind(&PostToThread, m_uiThreadId, boost::placeholders::_1),
                                                   boost::bind(&MainController::IsImportStopRequested, this),
                                                   &Connectors::FindOpenQuickBooksForms));
    if (m_imports.Start(run))
        m_lastImport = run;
    else
        m_view->OnImportFinished();
}

void MainController::StopImport()
{
    InterlockedExchange(&m_stopImport, 1);
}

bool MainController::IsImportStopRequested() const
{
    return InterlockedCompareExchange(const_cast<volatile LONG*>(&m_stopImport), 0, 0) != 0;
}

bool MainController::WaitForImportIdle(DWORD milliseconds)
{
    return m_imports.WaitUntilIdle(milliseconds);
}

// A running import is still writing its log: only a finished one is opened.
void MainController::OpenImportLog()
{
    if (!m_lastImport || m_imports.IsRunning())
        return;
    const std::wstring path = m_lastImport->GetLogFilePath();
    if (!path.empty())
        OpenOrExplain(*m_view, L"the import log", path);
}
