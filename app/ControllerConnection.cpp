// Connection, site and date-range changes from the main window.
#include "app/MainController.h"

#include <boost/bind/bind.hpp>

#include "app/MainModel.h"
#include "app/RemoveAll.h"
#include "app/ServerConnection.h"

using namespace Quorvane;

namespace {

void UseConnection(Config& config, const Config::ConnectionOptions& options)
{
    config.SetConnectionOptions(options);
}

void UsePeriod(Config& config, const DateRange& period)
{
    config.SetPeriod(period);
}

// The user refused the new server: forget the login, so the next load asks for one.
void ForgetLogin(Config& config)
{
    config.SetConnectionOptions(Config::ConnectionOptions());
}

// The user accepted the new server: its users and leave types are other ones, so every rule goes.
void AcceptNewSite(Config& config)
{
    Config::ConnectionOptions options = *config.GetConnectionOptions();
    options.SetSiteChangeAccepted(true);
    config.SetConnectionOptions(options);
    RemoveAll(*config.GetEmployeeMappings());
    RemoveAll(*config.GetLeaveTypeMappings());
    RemoveAll(*config.GetPayrollTypeMappings());
}

}  // namespace

void MainController::Connect(const ConnectionOptions& options, bool loginRequested)
{
    if (!m_model->GetConfig())
        return;
    m_view->SetDataLoadProgress(L"Preparing...", 0);
    ChangeSettings(boost::bind(&UseConnection, boost::placeholders::_1, options));
    ApplyServerOptions(*m_model, options);
    StartLoad(loginRequested);
}

// Only new dates need a new load; a new range type alone is just remembered. A change refused
// during an import puts the period in force back into the box.
void MainController::ChangeDateRange(const DateRange& range)
{
    boost::shared_ptr<Config> config = m_model->GetConfig();
    if (!config)
        return;
    const DateRange old = config->GetPeriod();
    if (range == old)
        return;
    if (IsImportGoingOn()) {
        m_view->SetDateRange(old);
        return;
    }
    ChangeSettings(boost::bind(&UsePeriod, boost::placeholders::_1, range));
    if (range.GetStart() != old.GetStart() || range.GetEnd() != old.GetEnd()) {
        m_view->SetDataLoadProgress(L"Preparing...", 0);
        StartLoad(false);
    }
}

void MainController::InterruptChangingSite()
{
    if (!m_model->GetConfig())
        return;
    ChangeSettings(&ForgetLogin);
    StartLoad(false);
}

void MainController::ChangeSite()
{
    if (!m_model->GetConfig())
        return;
    ChangeSettings(&AcceptNewSite);
    StartLoad(false);
}
