// The connector's COM session with QuickBooks, and the one road every request takes.
#include "connectors/quickbooks/DesktopConnector.h"

#include <stdexcept>
#include "connectors/quickbooks/QuickBooksErrors.h"
#include "connectors/quickbooks/requests/IQuickBookRequest.h"
#include "core/ConnectorLog.h"

namespace Quorvane {
namespace Connectors {

namespace {

const long kOpenModeDoNotCare = 2;
const short kUnusedVersion = 0;

// The installed QBFC's, with a line in the connector log saying which one was made.
HRESULT CreateInstalledSessionManager(Qbfc::IQBSessionManager& out)
{
    std::wstring origin;
    HRESULT result = Qbfc::CreateQBSessionManager(out, &origin);
    if (SUCCEEDED(result))
        Logging::AppendToConnectorLog(L"QuickBooks session manager: " + origin);
    return result;
}

SessionManagerFactory g_sessionManagerFactory = &CreateInstalledSessionManager;

std::wstring Widen(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

std::wstring Description(const _com_error& error)
{
    _bstr_t description = error.Description();
    return description.length() > 0 ? std::wstring(static_cast<const wchar_t*>(description), description.length())
                                    : std::wstring();
}

void LogComError(const _com_error& error)
{
    Logging::AppendToConnectorLog(L"_com_error");
    Logging::AppendToConnectorLog(Description(error));
}

// Logs the COM failure, tells the request, and throws the program's exception for it.
void RaiseComFailure(IQuickBookRequest& request, const _com_error& error)
{
    LogComError(error);
    int code = error.Error();
    request.SetErrorCode(code);
    if (code == kCannotAccessQuickBooksCode)
        throw CannotAccessQuickBooks();
    if (code == kWrongTimeRangeCode)
        throw WrongTimeRange();
    throw QuickBooksCommonError(code, Description(error));
}

}  // namespace

void SetSessionManagerFactory(SessionManagerFactory factory)
{
    g_sessionManagerFactory = factory ? factory : &CreateInstalledSessionManager;
}

bool* DesktopConnector::ConnectOnWorker()
{
    if (m_connected || !m_options.IsValid())
        return new bool(false);
    Qbfc::IQBSessionManager session;
    if (FAILED(g_sessionManagerFactory(session)))
        return new bool(false);
    try {
        OpenSession(session);
        Probe();
        return new bool(true);
    } catch (const _com_error& error) {
        // The user only learns that QuickBooks cannot be reached; the log keeps why.
        LogComError(error);
    } catch (...) {
    }
    CloseSession();
    return new bool(false);
}

void DesktopConnector::OpenSession(Qbfc::IQBSessionManager session)
{
    session.OpenConnection(Widen(m_options.GetApplicationId()), Widen(m_options.GetApplicationName()));
    m_session = session;
    session.BeginSession(L"", kOpenModeDoNotCare);
    m_connected = true;
}

// The company query a connection must answer; its answer is not read.
void DesktopConnector::Probe()
{
    Qbfc::IMsgSetRequest request = CreateMsgSetRequest(L"CA");
    request.AppendCompanyQueryRq();
    SendMsgSet(request);
}

void* DesktopConnector::DisconnectOnWorker()
{
    CloseSession();
    return NULL;
}

// Each step is tried on its own, so that one failing still closes and releases the rest.
void DesktopConnector::CloseSession()
{
    if (m_session.IsNull())
        return;
    if (m_connected) {
        try {
            m_session.EndSession();
        } catch (...) {
        }
    }
    try {
        m_session.CloseConnection();
    } catch (...) {
    }
    m_connected = false;
    m_session = Qbfc::IQBSessionManager();
}

Qbfc::IMsgSetRequest DesktopConnector::CreateMsgSetRequest(const std::wstring& country) const
{
    return m_session.CreateMsgSetRequest(country, m_options.GetMajorVersion(), m_options.GetMinorVersion());
}

Qbfc::IMsgSetResponse DesktopConnector::SendMsgSet(Qbfc::IMsgSetRequest request) const
{
    return m_session.DoRequests(request);
}

void DesktopConnector::QBRequest(IQuickBookRequest& request)
{
    if (!m_connected)
        throw std::runtime_error("DesktopConnector::QBRequest: Your must connect to QB first.");
    if (!m_options.IsValid())
        throw std::runtime_error("DesktopConnector::QBRequest: Connection options to QB not valid");
    try {
        Qbfc::IMsgSetRequest message = CreateMsgSetRequest(L"US");
        request.BuildRequest(message);
        request.ProcessResponse(SendMsgSet(message));
    } catch (const _com_error& error) {
        RaiseComFailure(request, error);
    }
}

// Runs the request; a failure of COM or QuickBooks comes back as its HRESULT, anything else
// (not connected, the request's own exceptions) is thrown.
HRESULT DesktopConnector::QBRequestStatus(IQuickBookRequest& request)
{
    try {
        QBRequest(request);
        return S_OK;
    } catch (const QuickBooksCommonError& error) {
        return error.GetCode();
    } catch (const CannotAccessQuickBooks&) {
        return kCannotAccessQuickBooksCode;
    } catch (const WrongTimeRange&) {
        return kWrongTimeRangeCode;
    }
}

// A write's status, which holds the HRESULT of a COM failure too; null when it could not run.
int* DesktopConnector::RunWrite(QuickBookWrite& request)
{
    WriteWarningScope warnings(m_writeWarnings);
    try {
        QBRequestStatus(request);
        return new int(request.GetResult());
    } catch (...) {
        return NULL;
    }
}

}  // namespace Connectors
}  // namespace Quorvane
