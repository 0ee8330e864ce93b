// The server side of the load: the login with its site check, and the server's data.
#include <set>

#include <boost/bind/bind.hpp>

#include "app/HtmlEscape.h"
#include "app/MainController.h"
#include "app/MainModel.h"
#include "app/ServerFailureTexts.h"
#include "connectors/quickbooks/QuickBooksErrors.h"
#include "connectors/server/QuorvaneConnector.h"
#include "core/ConnectorLog.h"

using namespace Quorvane;
using Quorvane::Connectors::QVConnector::QuorvaneConnector;

namespace {

// The names of leave types that the users' leave records carry and the server no longer lists.
std::set<std::wstring> UnknownLeaveTypes(const EmployeeCollection& users, const PayRollCollection& leaveTypes)
{
    std::set<std::wstring> unknown;
    for (const boost::shared_ptr<Employee>& user : users) {
        for (const boost::shared_ptr<TimeTrackRecord>& record : *user->GetTimeTrackRecords()) {
            if (record->IsLeave() && !leaveTypes.ContainsName(record->GetPayrollItemName()))
                unknown.insert(record->GetPayrollItemName());
        }
    }
    return unknown;
}

}  // namespace

void MainController::ShowLoginPanelFromLoad(const MainModel& loaded, const std::wstring& caption,
                                            const std::wstring& error)
{
    const ConnectionOptions options = loaded.GetServerConnector()->GetConnectionOptions();
    PostFromLoad(boost::bind(&IMainView::ShowLoginPanel, m_view, options, caption, error));
}

bool MainController::ConnectServer(MainModel& loaded)
{
    boost::shared_ptr<QuorvaneConnector> server = loaded.GetServerConnector();
    boost::shared_ptr<Config> config = loaded.GetConfig();
    try {
        server->Connect();
        config->SetConnectionOptions(server->GetConnectionOptions());
        const std::wstring identity = server->GetServerUuid();
        if (identity != config->GetServerUuid()) {
            const bool accepted = server->GetConnectionOptions().GetSiteChangeAccepted();
            if (!accepted && !config->GetServerUuid().empty()) {
                PostFromLoad(boost::bind(&IMainView::ShowSiteWasChanged, m_view, config->GetConnectionOptions()->url));
                PostFromLoad(boost::bind(&IMainView::HideLoginPanel, m_view));
                return false;
            }
            config->SetServerUuid(identity);
            config->GetConnectionOptions()->SetSiteChangeAccepted(false);
        }
        PostFromLoad(boost::bind(&IMainView::HideLoginPanel, m_view));
        return true;
    } catch (const OperationAbortedException&) {
        throw;
    } catch (...) {
        const PanelTexts texts = LoginFailureTexts(server->GetConnectionOptions().url);
        ShowLoginPanelFromLoad(loaded, texts.first, texts.second);
        return false;
    }
}

bool MainController::LoadServerData(MainModel& loaded, const DateRange& period)
{
    boost::shared_ptr<QuorvaneConnector> server = loaded.GetServerConnector();
    const std::wstring caption = L"Load Data from Quorvane...";
    try {
        PostFromLoad(boost::bind(&IMainView::SetFirstDayOfWeek, m_view, loaded.GetFirstDayOfWeek()));
        PostFromLoad(boost::bind(&IMainView::SetDateRange, m_view, period));
        PostFromLoad(boost::bind(&IMainView::SetDataLoadProgress, m_view, caption, 10));
        loaded.SetServerEmployees(server->GetUsersTimeTrack(period.GetStart(), period.GetEnd()));
        CheckAbort();
        PostFromLoad(boost::bind(&IMainView::SetDataLoadProgress, m_view, caption, 30));
        loaded.SetLeaveTypes(server->GetLeaveTypes());
        CheckAbort();
        GeneralSettings terms;
        server->GetGeneralSettings(terms);
        loaded.SetGeneralSettings(terms);
        return true;
    } catch (const OperationAbortedException&) {
        throw;
    } catch (...) {
        const PanelTexts texts = DataFailureTexts();
        ShowLoginPanelFromLoad(loaded, texts.first, texts.second);
        return false;
    }
}

// Leave of a type the server no longer lists cannot be mapped: it is loaded but never imported,
// and the user is told which types they are when leave time is imported at all.
void MainController::ReportUnknownLeaveTypes(const MainModel& loaded)
{
    const std::set<std::wstring> unknown = UnknownLeaveTypes(*loaded.GetServerEmployees(), *loaded.GetLeaveTypes());
    if (unknown.empty())
        return;
    std::wstring list;
    for (const std::wstring& name : unknown) {
        Logging::AppendToConnectorLog(L"Leave of the unknown leave type \"" + name + L"\" is not imported");
        list += L"<li>" + HtmlEscape(name) + L"</li>";
    }
    if (!loaded.GetConfig()->GetImportLeaveType())
        return;
    PostFromLoad(
        boost::bind(&IMainView::ShowError, m_view, std::wstring(L"Unknown Leave Type"),
                    L"Quorvane has leave time of types that it no longer lists:<ul>" + list + L"</ul>",
                    std::wstring(L"This leave time is not imported."),
                    std::wstring(L"Ask your Quorvane administrator to restore these leave types, then reload."),
                    std::wstring(), 0));
}
