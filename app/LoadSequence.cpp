// The data load: both sides into the model, mapping, preview, and the posts that show it.
#include "app/MainController.h"

#include <boost/bind/bind.hpp>

#include "app/LoadMessages.h"
#include "app/MainModel.h"
#include "app/MappingChecks.h"
#include "app/NameMapping.h"
#include "app/PreviewBuild.h"
#include "app/QuickBooksLoad.h"
#include "app/ServerConnection.h"
#include "connectors/quickbooks/DesktopConnector.h"
#include "connectors/quickbooks/QuickBooksErrors.h"
#include "core/CompanyConfig.h"
#include "core/ConnectorLog.h"
#include "core/Exceptions.h"
#include "core/TextCodec.h"
#include "core/UnfinishedImportLogs.h"

using namespace Quorvane;
using Quorvane::Connectors::DesktopConnector;

namespace {

const char* const kProgramTitle = "Quorvane Pellworth";

// QuickBooks gives 0 = Monday to 6 = Sunday, or an error code when it could not be asked.
int CheckedFirstDayOfWeek(int day)
{
    return day >= 0 && day <= 6 ? day : 0;
}

// The passwords of this run survive a reload of the same company, never a change of company.
std::wstring CarriedPassword(const MainModel& model, const std::wstring& companyName)
{
    boost::shared_ptr<Config> current = model.GetConfig();
    if (!current || companyName != model.GetCompanyInformation())
        return std::wstring();
    return current->GetConnectionOptions()->password;
}

boost::shared_ptr<Config> LoadCompanySettings(const std::wstring& companyName, const std::wstring& carriedPassword)
{
    boost::shared_ptr<Config> config(new Config());
    if (!LoadConfig(companyName, config))
        config = CreateDefaultConfig();
    Config::ConnectionOptions options = *config->GetConnectionOptions();
    if (options.password.empty())
        options.password = carriedPassword;
    config->SetConnectionOptions(options);
    return config;
}

}  // namespace

void MainController::RunLoad(bool loginRequested)
{
    // A load replaces the preview and the collections an import run is working on.
    m_imports.WaitUntilIdle(INFINITE);
    try {
        LoadDataBody(loginRequested);
    } catch (const WrongTimeRange&) {
        RecoverFromWrongTimeRange();
    } catch (const OperationAbortedException&) {
        // A failed QuickBooks read ends the load the way an abort does, but nobody asked for it.
        if (!m_loads.IsAbortRequested())
            ReportLoadFailure("QuickBooks stopped answering");
    }
}

void MainController::ReportLoadFailure(const std::string& what)
{
    Logging::AppendToConnectorLog(L"Load failed: " + std::wstring(Utf8ToWide(what.c_str(), 0).c_str()));
    if (!m_loads.IsAbortRequested())
        PostFromLoad(boost::bind(&IMainView::ShowQuickBooksProblem, m_view, std::wstring(kCannotConnectCaption),
                                 std::wstring(kCannotConnectDescription)));
}

// The load reads into a model of its own and installs it at the end: the window never waits
// for the slow reads, and a load that fails leaves the data it found as they were.
void MainController::LoadDataBody(bool loginRequested)
{
    boost::shared_ptr<Config> connected;
    const boost::shared_ptr<MainModel> loaded = ConnectQuickBooks(connected);
    if (!loaded)
        return;
    // A run stopped with the program left its log unfinished; the company is known from here on.
    Logging::FinishUnfinishedImportLogs(loaded->GetCompanyInformation());
    CheckAbort();
    const boost::shared_ptr<Config> config = loaded->GetConfig();
    config->GetSelectedEmployees()->clear();
    if (!loaded->GetQuickBooksConnector()->IsTimeTrackEnabled()) {
        PostFromLoad(boost::bind(&IMainView::ShowQuickBooksProblem, m_view, std::wstring(kTimesheetOffCaption),
                                 std::wstring(kTimesheetOffDescription)));
        return;
    }
    if (config->GetConnectionOptions()->password.empty() && !loginRequested) {
        ShowLoginPanelFromLoad(*loaded, std::wstring(), std::wstring());
        return;
    }
    if (!LoadData(loaded))
        return;
    const bool mappingsValid = ::AreMappingsValid(*loaded);
    if (mappingsValid) {
        BuildPreview(loaded);
        config->SetLoadedPeriod(config->GetPeriod());
    }
    if (!InstallLoad(*loaded, connected))
        return;
    if (!mappingsValid) {
        PostFromLoad(boost::bind(&IMainView::ShowMappingProblems, m_view));
        return;
    }
    SaveSettings();
    // Worked out here: the window's thread only shows it, and keeps answering meanwhile.
    PostFromLoad(boost::bind(&IMainView::ShowPreparedSummary, m_view, m_view->PrepareSummary(m_model)));
    ReportUnknownLeaveTypes(*loaded);
}

// The model gets the new company, its settings and both connectors at once; the load goes on
// with a model of its own that holds the same connectors and a copy of those settings.
boost::shared_ptr<MainModel> MainController::ConnectQuickBooks(boost::shared_ptr<Config>& connected)
{
    boost::shared_ptr<DesktopConnector> quickBooks(
        new DesktopConnector(Connectors::QBConnectionOptions(kProgramTitle, kProgramTitle, 6, 0)));
    if (!quickBooks->Connect()) {
        PostFromLoad(boost::bind(&IMainView::ShowQuickBooksProblem, m_view, std::wstring(kCannotConnectCaption),
                                 std::wstring(kCannotConnectDescription)));
        return boost::shared_ptr<MainModel>();
    }
    if (!quickBooks->CheckAccessToPayroll()) {
        PostFromLoad(boost::bind(&IMainView::ShowQuickBooksProblem, m_view, std::wstring(kNoPayrollAccessCaption),
                                 std::wstring(kNoPayrollAccessDescription)));
        return boost::shared_ptr<MainModel>();
    }
    const std::wstring companyName = quickBooks->GetCompanyInformation().companyName;
    try {
        connected = LoadCompanySettings(companyName, CarriedPassword(*m_model, companyName));
    } catch (const SettingsFileUnavailableException& unavailable) {
        // Defaults in its place would be saved over it at the end of the load.
        PostFromLoad(boost::bind(&IMainView::ShowQuickBooksProblem, m_view, std::wstring(kSettingsFileCaption),
                                 SettingsFileDescription(unavailable.GetPath(), unavailable.GetReason())));
        return boost::shared_ptr<MainModel>();
    }
    const boost::shared_ptr<MainModel::ServerConnector> server =
        MakeServerConnector(*connected->GetConnectionOptions());
    boost::shared_ptr<MainModel> loaded(new MainModel());
    loaded->InstallConnection(companyName, boost::shared_ptr<Config>(new Config(*connected)), quickBooks, server);
    m_model->InstallConnection(companyName, connected, quickBooks, server);
    return loaded;
}

// False when the settings changed while the load ran: a newer load then shows what they give.
bool MainController::InstallLoad(const MainModel& loaded, const boost::shared_ptr<Config>& connected)
{
    CheckAbort();
    if (m_model->InstallLoad(loaded, connected))
        return true;
    StartLoad(false);
    return false;
}

bool MainController::LoadData(const boost::shared_ptr<MainModel>& loaded)
{
    CheckAbort();
    PostFromLoad(boost::bind(&IMainView::SetDataLoadProgress, m_view, std::wstring(L"Preparing..."), 0));
    if (!ConnectServer(*loaded))
        return false;
    CheckAbort();
    const DateRange period = RepairedPeriod(*loaded->GetConfig());
    loaded->SetFirstDayOfWeek(CheckedFirstDayOfWeek(loaded->GetQuickBooksConnector()->GetFirstDayOfWeek()));
    CheckAbort();
    if (!LoadServerData(*loaded, period))
        return false;
    LoadQuickBooksData(*loaded, period);
    CheckAbort();
    PostFromLoad(boost::bind(&IMainView::SetDataLoadProgress, m_view, std::wstring(L"Mapping..."), 80));
    ::UpdateMappings(loaded);
    PostFromLoad(boost::bind(&IMainView::SetDataLoadProgress, m_view, std::wstring(L"Finishing..."), 100));
    CheckAbort();
    FinishLoad(*loaded);
    return true;
}

// A period that is no calendar range falls back to the last loaded one, and that to the default.
DateRange MainController::RepairedPeriod(Config& config)
{
    DateRange period = config.GetPeriod();
    if (period.GetStart().IsValid() && period.GetEnd().IsValid())
        return period;
    config.RestorePeriod();
    period = config.GetPeriod();
    if (!period.GetStart().IsValid() || !period.GetEnd().IsValid()) {
        period = DateRange(Config::DefaultRangeType);
        config.SetPeriod(period);
    }
    PostFromLoad(boost::bind(&IMainView::SetDateRange, m_view, period));
    return period;
}

// Progress is shown only where it moves; every read is followed by an abort check.
void MainController::LoadQuickBooksData(MainModel& loaded, const DateRange& period)
{
    int shown = 0;
    ReadQuickBooksData(loaded, period, [this, &shown](int percent) {
        if (shown != 0)
            CheckAbort();
        if (percent != shown)
            PostFromLoad(boost::bind(&IMainView::SetDataLoadProgress, m_view,
                                     std::wstring(L"Load Data from QuickBooks..."), percent));
        shown = percent;
    });
}

void MainController::FinishLoad(MainModel& loaded)
{
    KeepKnownWageItems(loaded);
}

void MainController::BuildPreview(const boost::shared_ptr<MainModel>& loaded)
{
    ::BuildPreview(loaded, boost::bind(&MainController::CheckAbort, this));
}

// QuickBooks refused the dates: the last loaded period comes back once; when that is refused too
// the user is told instead of loading for ever.
void MainController::RecoverFromWrongTimeRange()
{
    boost::shared_ptr<Config> config = m_model->GetConfig();
    if (!config || config->GetPeriod() == config->GetLoadedPeriod()) {
        PostFromLoad(boost::bind(&IMainView::ShowError, m_view, std::wstring(L"Cannot Load Data from QuickBooks"),
                                 std::wstring(L"QuickBooks did not accept the selected date range."), std::wstring(),
                                 std::wstring(L"Please select another date range."), std::wstring(), 0));
        return;
    }
    ChangeSettings(boost::bind(&Config::RestorePeriod, boost::placeholders::_1));
    StartLoad(false);
}
