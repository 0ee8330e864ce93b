// Connection, site and date-range changes from the main window.
#include "app/MainController.h"

#include "app/MainModel.h"
#include "app/RemoveAll.h"
#include "app/ServerLogin.h"
#include "core/CriticalSection.h"

using namespace Quorvane;

void MainController::Connect(const ConnectionOptions& options, bool loginRequested) {
    if (!m_model->GetConfig())
        return;
    m_view->SetDataLoadProgress(L"Preparing...", 0);
    {
        CriticalSectionLock lock(m_model->GetLock());
        m_model->GetConfig()->SetConnectionOptions(options);
        ApplyServerOptions(*m_model, options);
        SaveSettings();
    }
    StartLoad(loginRequested);
}

// Only new dates need a new load; a new range type alone is just remembered.
void MainController::ChangeDateRange(const DateRange& range) {
    boost::shared_ptr<Config> config = m_model->GetConfig();
    if (!config)
        return;
    const DateRange old = config->GetPeriod();
    if (range == old)
        return;
    config->SetPeriod(range);
    SaveSettings();
    if (range.GetStart() != old.GetStart() || range.GetEnd() != old.GetEnd()) {
        m_view->SetDataLoadProgress(L"Preparing...", 0);
        StartLoad(false);
    }
}

// The user refused the new server: forget the login, so the next load asks for one.
void MainController::InterruptChangingSite() {
    {
        CriticalSectionLock lock(m_model->GetLock());
        boost::shared_ptr<Config> config = m_model->GetConfig();
        if (!config)
            return;
        config->SetConnectionOptions(ConnectionOptions());
        SaveSettings();
    }
    StartLoad(false);
}

// The user accepted the new server: its users and leave types are other ones, so every rule goes.
void MainController::ChangeSite() {
    {
        CriticalSectionLock lock(m_model->GetLock());
        boost::shared_ptr<Config> config = m_model->GetConfig();
        if (!config)
            return;
        ConnectionOptions options = *config->GetConnectionOptions();
        options.SetSiteChangeAccepted(true);
        config->SetConnectionOptions(options);
        RemoveAll(*config->GetEmployeeMappings());
        RemoveAll(*config->GetLeaveTypeMappings());
        RemoveAll(*config->GetPayrollTypeMappings());
        SaveSettings();
    }
    StartLoad(false);
}
