// The server side of the load: the login with its site check, and the server's data.
#include "app/ServerLogin.h"

#include <exception>
#include <utility>

#include <boost/bind/bind.hpp>

#include "app/HtmlEscape.h"
#include "app/MainController.h"
#include "connectors/quickbooks/QuickBooksErrors.h"
#include "connectors/server/QuorvaneConnector.h"
#include "connectors/server/ServerExceptions.h"

using namespace Quorvane;
using Quorvane::Connectors::QVConnector::QuorvaneConnector;

namespace {

typedef std::pair<std::wstring, std::wstring> PanelTexts;

const wchar_t* const kCannotConnect = L"Cannot connect to Quorvane";

PanelTexts UnexpectedServerFailure() {
    return PanelTexts(L"Can not connect to Quorvane",
                      L"Unexpected error occured. <br/>Please verify entered Quorvane credentials and repeat the attempt");
}

// The login panel's caption and error for the failure being handled; the address is shown as text.
PanelTexts LoginFailureTexts(const std::wstring& address) {
    try {
        throw;
    } catch (const InvalidCertificate&) {
        return PanelTexts(L"Cannot connect to Quorvane as SSL certificate is invalid",
                          L"Certificate is invalid when it is: self-signed; out of date or not yet valid;<br>"
                          L"issued for a different website address; not signed by a recognized certificate<br>"
                          L"authority; corrupted.<br><br>Please contact the administrator of your Quorvane installation.");
    } catch (const AccountDisabledException&) {
        return PanelTexts(kCannotConnect,
                          L"Your account was disabled. Please contact your administrator for more information.");
    } catch (const BadURLException&) {
        return PanelTexts(kCannotConnect, L"The provided URL is not valid");
    } catch (const QuorvaneNotSupportedException&) {
        return PanelTexts(L"Quorvane version is not supported",
                          L"Incorrect Quorvane version at the specified address. <br>"
                          L"Please make sure your Quorvane version is 3.2 or higher.");
    } catch (const QuorvaneNotSpecifiedException&) {
        return PanelTexts();
    } catch (const QuorvaneNotFoundException&) {
        return PanelTexts(L"The provided URL is not valid",
                          L"The site at \x2018" + HtmlEscape(address) +
                              L"\x2019 does not respond. <br/>Please make sure you\x2019ve specified the URL correctly");
    } catch (const QuickBooksServiceNotSupported&) {
        return PanelTexts(L"Incorrect Quorvane version",
                          L"Quorvane site at the specified address does not have Fenwold. <br/>It is required for Pellworth.");
    } catch (const InvalidCredentialsException&) {
        return PanelTexts(kCannotConnect, L"The specified username and/or password are incorrect. <br/>"
                                          L"Please make sure you are specifying them correctly.");
    } catch (const InvalidUrlException&) {
        return PanelTexts(L"Invalid URL", L"type correct url");
    } catch (...) {
        return UnexpectedServerFailure();
    }
}

// The login panel's caption and error for a failure of the server's data.
PanelTexts DataFailureTexts() {
    try {
        throw;
    } catch (const NoGenerateCostAndBillingReportsRightException&) {
        return PanelTexts(L"Insufficient access rights",
                          L"You do not have Generate Cost & Billing Reports access right. Please contact<br>"
                          L"your administrator to get required access rights and then restart application.");
    } catch (const UnknownQuorvaneException&) {
        return PanelTexts(L"Can not connect to Quorvane", L"Unknown error occured.");
    } catch (...) {
        return UnexpectedServerFailure();
    }
}

// A leave record of a type the server did not list cannot be mapped, so the load stops.
void CheckLeaveTypesKnown(const EmployeeCollection& users, const PayRollCollection& leaveTypes) {
    for (const boost::shared_ptr<Employee>& user : users) {
        for (const boost::shared_ptr<TimeTrackRecord>& record : *user->GetTimeTrackRecords()) {
            if (record->IsLeave())
                leaveTypes.FindByName(record->GetPayrollItemName());
        }
    }
}

}  // namespace

boost::shared_ptr<QuorvaneConnector> MakeServerConnector(const Config::ConnectionOptions& options) {
    boost::shared_ptr<QuorvaneConnector> connector(new QuorvaneConnector());
    connector->SetConnectionOptions(options);
    return connector;
}

void ApplyServerOptions(MainModel& model, const Config::ConnectionOptions& options) {
    boost::shared_ptr<QuorvaneConnector> connector = model.GetServerConnector();
    if (connector)
        connector->SetConnectionOptions(options);
}

void MainController::ShowLoginPanelFromLoad(const std::wstring& caption, const std::wstring& error) {
    const ConnectionOptions options = m_model->GetServerConnector()->GetConnectionOptions();
    PostFromLoad(boost::bind(&IMainView::ShowLoginPanel, m_view, options, caption, error));
}

bool MainController::ConnectServer(const boost::shared_ptr<Config>& config) {
    boost::shared_ptr<QuorvaneConnector> server = m_model->GetServerConnector();
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
        ShowLoginPanelFromLoad(texts.first, texts.second);
        return false;
    }
}

bool MainController::LoadServerData(const DateRange& period) {
    boost::shared_ptr<QuorvaneConnector> server = m_model->GetServerConnector();
    const std::wstring caption = L"Load Data from Quorvane...";
    try {
        PostFromLoad(boost::bind(&IMainView::SetFirstDayOfWeek, m_view, m_model->GetFirstDayOfWeek()));
        PostFromLoad(boost::bind(&IMainView::SetDateRange, m_view, period));
        PostFromLoad(boost::bind(&IMainView::SetDataLoadProgress, m_view, caption, 10));
        m_model->SetServerEmployees(server->GetUsersTimeTrack(period.GetStart(), period.GetEnd()));
        CheckAbort();
        PostFromLoad(boost::bind(&IMainView::SetDataLoadProgress, m_view, caption, 30));
        m_model->SetLeaveTypes(server->GetLeaveTypes());
        CheckLeaveTypesKnown(*m_model->GetServerEmployees(), *m_model->GetLeaveTypes());
        CheckAbort();
        GeneralSettings terms;
        server->GetGeneralSettings(terms);
        m_model->SetGeneralSettings(terms);
        return true;
    } catch (const OperationAbortedException&) {
        throw;
    } catch (...) {
        const PanelTexts texts = DataFailureTexts();
        ShowLoginPanelFromLoad(texts.first, texts.second);
        return false;
    }
}
