// The data load: both sides into the model, mapping, preview, and the posts that show it.
#include "app/MainController.h"

#include <boost/bind/bind.hpp>

#include "app/DateChecks.h"
#include "app/LoadMessages.h"
#include "app/MainModel.h"
#include "app/NameMapping.h"
#include "app/PreviewBuild.h"
#include "app/RemoveAll.h"
#include "app/ServerLogin.h"
#include "connectors/quickbooks/DesktopConnector.h"
#include "connectors/quickbooks/QuickBooksErrors.h"
#include "core/CompanyConfig.h"
#include "core/ConnectorLog.h"
#include "core/TextCodec.h"

using namespace Quorvane;
using Quorvane::Connectors::DesktopConnector;

namespace {

const char* const kProgramTitle = "Quorvane Pellworth";

// QuickBooks gives 0 = Monday to 6 = Sunday, or an error code when it could not be asked.
int CheckedFirstDayOfWeek(int day) {
    return day >= 0 && day <= 6 ? day : 0;
}

// The passwords of this run survive a reload of the same company, never a change of company.
std::wstring CarriedPassword(const MainModel& model, const std::wstring& companyName) {
    boost::shared_ptr<Config> current = model.GetConfig();
    if (!current || companyName != model.GetCompanyInformation())
        return std::wstring();
    return current->GetConnectionOptions()->password;
}

boost::shared_ptr<Config> LoadCompanySettings(const std::wstring& companyName, const std::wstring& carriedPassword) {
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

void MainController::RunLoad(bool loginRequested) {
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

void MainController::ReportLoadFailure(const std::string& what) {
    Logging::AppendToConnectorLog(L"Load failed: " + std::wstring(Utf8ToWide(what.c_str(), 0).c_str()));
    if (!m_loads.IsAbortRequested())
        PostFromLoad(boost::bind(&IMainView::ShowQuickBooksProblem, m_view, std::wstring(kCannotConnectCaption),
                                 std::wstring(kCannotConnectDescription)));
}

void MainController::LoadDataBody(bool loginRequested) {
    // Nothing of an earlier load may be previewed or imported against this one's data.
    RemoveAll(*m_model->GetEmployeeDiffs());
    m_model->SetServerEmployees(boost::shared_ptr<EmployeeCollection>(new EmployeeCollection()));
    m_model->SetLeaveTypes(boost::shared_ptr<PayRollCollection>());
    if (!ConnectQuickBooks())
        return;
    CheckAbort();
    CriticalSectionLock lock(m_model->GetLock());
    boost::shared_ptr<Config> config = m_model->GetConfig();
    CheckAbort();
    config->GetSelectedEmployees()->clear();
    if (!m_model->GetQuickBooksConnector()->IsTimeTrackEnabled()) {
        PostFromLoad(boost::bind(&IMainView::ShowQuickBooksProblem, m_view, std::wstring(kTimesheetOffCaption),
                                 std::wstring(kTimesheetOffDescription)));
        return;
    }
    if (config->GetConnectionOptions()->password.empty() && !loginRequested) {
        ShowLoginPanelFromLoad(std::wstring(), std::wstring());
        return;
    }
    if (!LoadData(config))
        return;
    if (!AreMappingsValid()) {
        PostFromLoad(boost::bind(&IMainView::ShowMappingProblems, m_view));
        return;
    }
    BuildPreview();
    config->SetLoadedPeriod(config->GetPeriod());
    SaveSettings();
    PostFromLoad(boost::bind(&IMainView::RefreshSummary, m_view));
}

bool MainController::ConnectQuickBooks() {
    boost::shared_ptr<DesktopConnector> quickBooks(
        new DesktopConnector(Connectors::QBConnectionOptions(kProgramTitle, kProgramTitle, 6, 0)));
    if (!quickBooks->Connect()) {
        PostFromLoad(boost::bind(&IMainView::ShowQuickBooksProblem, m_view, std::wstring(kCannotConnectCaption),
                                 std::wstring(kCannotConnectDescription)));
        return false;
    }
    if (!quickBooks->CheckAccessToPayroll()) {
        PostFromLoad(boost::bind(&IMainView::ShowQuickBooksProblem, m_view, std::wstring(kNoPayrollAccessCaption),
                                 std::wstring(kNoPayrollAccessDescription)));
        return false;
    }
    CriticalSectionLock lock(m_model->GetLock());
    const std::wstring companyName = quickBooks->GetCompanyInformation().companyName;
    const std::wstring carriedPassword = CarriedPassword(*m_model, companyName);
    m_model->SetCompanyInformation(companyName);
    boost::shared_ptr<Config> config = LoadCompanySettings(companyName, carriedPassword);
    m_model->SetQuickBooksConnector(quickBooks);
    m_model->SetServerConnector(MakeServerConnector(*config->GetConnectionOptions()));
    m_model->SetConfig(config);
    return true;
}

bool MainController::LoadData(const boost::shared_ptr<Config>& config) {
    CheckAbort();
    PostFromLoad(boost::bind(&IMainView::SetDataLoadProgress, m_view, std::wstring(L"Preparing..."), 0));
    if (!ConnectServer(config))
        return false;
    CheckAbort();
    const DateRange period = RepairedPeriod(config);
    m_model->SetFirstDayOfWeek(CheckedFirstDayOfWeek(m_model->GetQuickBooksConnector()->GetFirstDayOfWeek()));
    CheckAbort();
    if (!LoadServerData(period))
        return false;
    LoadQuickBooksData(period);
    CheckAbort();
    PostFromLoad(boost::bind(&IMainView::SetDataLoadProgress, m_view, std::wstring(L"Mapping..."), 80));
    UpdateMappings();
    PostFromLoad(boost::bind(&IMainView::SetDataLoadProgress, m_view, std::wstring(L"Finishing..."), 100));
    CheckAbort();
    FinishLoad();
    return true;
}

// A period that is no calendar range falls back to the last loaded one, and that to the default.
DateRange MainController::RepairedPeriod(const boost::shared_ptr<Config>& config) {
    DateRange period = config->GetPeriod();
    if (IsValidDate(period.GetStart()) && IsValidDate(period.GetEnd()))
        return period;
    config->RestorePeriod();
    period = config->GetPeriod();
    if (!IsValidDate(period.GetStart()) || !IsValidDate(period.GetEnd())) {
        period = DateRange(Config::DefaultRangeType);
        config->SetPeriod(period);
    }
    PostFromLoad(boost::bind(&IMainView::SetDateRange, m_view, period));
    return period;
}

void MainController::LoadQuickBooksData(const DateRange& period) {
    boost::shared_ptr<DesktopConnector> quickBooks = m_model->GetQuickBooksConnector();
    const std::wstring caption = L"Load Data from QuickBooks...";
    PostFromLoad(boost::bind(&IMainView::SetDataLoadProgress, m_view, caption, 40));
    m_model->SetQuickBooksEmployees(quickBooks->GetEmployeesWithTimeTrack(period.GetStart(), period.GetEnd()));
    CheckAbort();
    PostFromLoad(boost::bind(&IMainView::SetDataLoadProgress, m_view, caption, 60));
    m_model->SetPayrollItems(quickBooks->GetPayroll());
    CheckAbort();
    PostFromLoad(boost::bind(&IMainView::SetDataLoadProgress, m_view, caption, 70));
    m_model->SetAccounts(quickBooks->GetAccount());
    CheckAbort();
    m_model->SetServiceItems(quickBooks->GetServiceItem());
    CheckAbort();
    m_model->SetAllItems(quickBooks->GetAllItem());
    CheckAbort();
    m_model->SetCustomerJobs(quickBooks->GetCustomerJob());
}

// An employee's own wage items keep only those QuickBooks still has.
void MainController::FinishLoad() {
    boost::shared_ptr<PayRollCollection> payrollItems = m_model->GetPayrollItems();
    for (const boost::shared_ptr<Employee>& employee : *m_model->GetQuickBooksEmployees()) {
        std::vector<std::wstring> kept;
        for (const std::wstring& listId : employee->GetNameList()) {
            if (payrollItems->ContainsListId(listId))
                kept.push_back(listId);
        }
        employee->SetNameList(kept);
    }
}

void MainController::UpdateMappings() {
    ::UpdateMappings(m_model);
}

void MainController::BuildPreview() {
    ::BuildPreview(m_model, boost::bind(&MainController::CheckAbort, this));
}

// QuickBooks refused the dates: the last loaded period comes back once; when that is refused too
// the user is told instead of loading for ever.
void MainController::RecoverFromWrongTimeRange() {
    CriticalSectionLock lock(m_model->GetLock());
    boost::shared_ptr<Config> config = m_model->GetConfig();
    if (!config || config->GetPeriod() == config->GetLoadedPeriod()) {
        PostFromLoad(boost::bind(&IMainView::ShowError, m_view, std::wstring(L"Cannot Load Data from QuickBooks"),
                                 std::wstring(L"QuickBooks did not accept the selected date range."), std::wstring(),
                                 std::wstring(L"Please select another date range."), std::wstring(), 0));
        return;
    }
    config->RestorePeriod();
    SaveSettings();
    StartLoad(false);
}
