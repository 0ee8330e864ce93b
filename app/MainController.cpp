#include "app/MainController.h"

#include <stdexcept>

#include <boost/bind/bind.hpp>

#include "app/HtmlEscape.h"
#include "app/MainModel.h"
#include "app/MappingChecks.h"
#include "app/OpenOrExplain.h"
#include "app/Resolvers.h"
#include "app/ShellOpen.h"
#include "core/CompanyConfig.h"
#include "core/ImportLogName.h"
#include "core/KnownFolders.h"
#include "core/PostToThread.h"
#include "core/TextUtils.h"

using namespace Quorvane;

namespace {

const DWORD kExitWaitMilliseconds = 10000;

void LeaveUnchanged(Config&) {}

const boost::shared_ptr<IMainView>& CheckedView(const boost::shared_ptr<IMainView>& view)
{
    if (!view)
        throw std::invalid_argument("view not initialized");
    return view;
}

}  // namespace

MainController::MainController(const boost::shared_ptr<IMainView>& view, const boost::shared_ptr<MainModel>& model)
    : m_view(CheckedView(view)),
      m_model(model),
      m_stopImport(0),
      m_uiThreadId(GetCurrentThreadId()),
      m_loads(boost::bind(&MainController::RunLoad, this, boost::placeholders::_1),
              boost::bind(&MainController::ReportLoadFailure, this, boost::placeholders::_1))
{
    if (!m_model)
        throw std::invalid_argument("model not initialized");
}

void MainController::Show(bool show)
{
    if (!m_view)
        throw std::runtime_error("_view is null and can not be shown");
    m_view->Run(show);
}

void MainController::ReleaseViewAndModel()
{
    m_loads.Stop();
    StopImport();
    m_loads.WaitForIdle(kExitWaitMilliseconds);
    m_imports.WaitUntilIdle(kExitWaitMilliseconds);
    m_view.reset();
    m_model.reset();
}

bool MainController::WaitForLoadIdle(DWORD milliseconds)
{
    return m_loads.WaitForIdle(milliseconds);
}

void MainController::StartLoad(bool loginRequested)
{
    m_loads.StartLoad(loginRequested);
}

void MainController::CheckAbort()
{
    m_loads.CheckAbort();
}

void MainController::PostFromLoad(const boost::function<void()>& call)
{
    m_loads.CheckAbort();
    PostToThread(m_uiThreadId, call);
}

void MainController::SaveSettings()
{
    SaveConfig(m_model->GetCompanyInformation(), m_model->GetConfig());
}

void MainController::ChangeSettings(const boost::function<void(Config&)>& change)
{
    const boost::shared_ptr<Config> changed = m_model->ChangeConfig(change);
    if (changed)
        SaveConfig(m_model->GetCompanyInformation(), changed);
}

void MainController::KeepDialogChanges()
{
    ChangeSettings(boost::function<void(Config&)>(&LeaveUnchanged));
}

bool MainController::IsLoading() const
{
    return m_loads.IsBusy();
}

bool MainController::AreMappingsValid()
{
    return ::AreMappingsValid(*m_model);
}

void MainController::LoadData()
{
    StartLoad(false);
}

void MainController::ReloadData()
{
    if (IsImportGoingOn())
        return;
    m_view->SetDataLoadProgress(L"Preparing...", 0);
    StartLoad(false);
}

void MainController::OpenLink(const std::wstring& url)
{
    if (IsOpenableLink(url))
        ShellOpen(url);
}

// A user whose rule says "do not import" is never selected, whatever the page sends.
void MainController::SelectEmployee(const std::wstring& id, bool selected)
{
    CriticalSectionLock lock(m_model->GetLock());
    boost::shared_ptr<Config> config = m_model->GetConfig();
    if (!config)
        return;
    if (selected && !IsExcludedFromImport(*config, id))
        config->GetSelectedEmployees()->insert(id);
    else
        config->GetSelectedEmployees()->erase(id);
}

void MainController::OpenImportHistory()
{
    const std::wstring folder = Logging::CompanyLogFolder(m_model->GetCompanyInformation());
    if (folder.empty())
        return;
    CreateFolderTree(folder);
    OpenOrExplain(*m_view, L"the import history", folder + L"\\");
}
