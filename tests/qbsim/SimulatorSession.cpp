#include "tests/qbsim/SimulatorSession.h"

#include <algorithm>

#include "tools/qbsim/ClassFactory.h"
#include "tools/qbsim/Control.h"

namespace QbSimTest {

std::wstring Widen(const std::string& text)
{
    std::wstring wide(text.begin(), text.end());
    std::replace(wide.begin(), wide.end(), L'\'', L'"');
    return wide;
}

void SimulatorSession::SetUp()
{
    CoInitializeEx(0, COINIT_APARTMENTTHREADED);
    QbSim::Control::Reset();
    ASSERT_EQ(S_OK, QbSim::RegisterInProcess(CLSCTX_INPROC_SERVER, &m_cookie));
    ASSERT_EQ(S_OK, CreateQBSessionManager(m_session));
    m_session.OpenConnection(L"Quorvane Pellworth", L"Quorvane Pellworth");
    m_session.BeginSession(L"", 2);
}

void SimulatorSession::TearDown()
{
    m_session = IQBSessionManager();
    QbSim::RevokeInProcess(m_cookie);
    QbSim::Control::Reset();
    CoUninitialize();
}

void SimulatorSession::Seed(const std::string& json)
{
    QbSim::Control::Seed(Widen(json));
}

IResponse SimulatorSession::Send(const std::function<void(const IMsgSetRequest&)>& build)
{
    IMsgSetRequest set = m_session.CreateMsgSetRequest(L"US", 6, 0);
    build(set);
    return m_session.DoRequests(set).ResponseList().GetAt(0);
}

std::vector<std::wstring> SimulatorSession::RequestTrace()
{
    std::vector<std::wstring> requests;
    for (const std::wstring& line : QbSim::Control::Trace())
        if (line.compare(0, 7, L"US 6.0 ") == 0 || line.compare(0, 7, L"CA 6.0 ") == 0)
            requests.push_back(line);
    QbSim::Control::ClearTrace();
    return requests;
}

std::pair<HRESULT, std::wstring> ComErrorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const _com_error& error) {
        _bstr_t description = error.Description();
        return std::make_pair(error.Error(), description.length() ? std::wstring(description) : std::wstring());
    }
    ADD_FAILURE() << "no _com_error was thrown";
    return std::make_pair(S_OK, std::wstring());
}

}  // namespace QbSimTest
