#include "tools/qbsim/SessionManager.h"

#include <utility>

#include "tools/qbsim/ComFailure.h"
#include "tools/qbsim/MsgSetRequest.h"
#include "tools/qbsim/Simulator.h"

namespace QbSim {

const CLSID CLSID_QBSessionManager = { 0x178aacca, 0x9dce, 0x42a0, { 0xa1, 0x93, 0xcf, 0x49, 0x85, 0xb9, 0x30, 0xe5 } };
const IID IID_IQBSessionManager = { 0xf283510c, 0x8797, 0x4771, { 0xa8, 0x05, 0x1b, 0xea, 0x61, 0x1e, 0x4c, 0x5e } };
// {0B6E3C41-7D2A-4F58-9C13-5A8E2D64F7B0}
const CLSID CLSID_ProgIdSessionManager = {
    0x0b6e3c41, 0x7d2a, 0x4f58, { 0x9c, 0x13, 0x5a, 0x8e, 0x2d, 0x64, 0xf7, 0xb0 }
};

namespace {

enum SessionMember {
    kOpenConnection = 1,
    kBeginSession,
    kEndSession,
    kCloseConnection,
    kCreateMsgSetRequest,
    kDoRequests
};

const wchar_t* const kMemberNames[] = {
    L"OpenConnection", L"BeginSession", L"EndSession", L"CloseConnection", L"CreateMsgSetRequest", L"DoRequests",
};

std::wstring Quoted(const std::wstring& text)
{
    return Json(text).Write();
}

// The session manager refuses calls out of order, as QuickBooks's does.
void Require(bool condition, const wchar_t* description)
{
    if (!condition)
        throw Failure(E_UNEXPECTED, description);
}

std::wstring TraceLine(const MsgSetRequest& set, const Node& request)
{
    std::wstring line = set.Version() + L" " + request.Context().requestKind + L":";
    const wchar_t* separator = L" ";
    for (const Assignment& assignment : request.Context().assignments) {
        line += separator + assignment.path + L"=" + assignment.sent.Write();
        separator = L"; ";
    }
    return line;
}

}  // namespace

DISPID SessionManager::MemberId(const std::wstring& name) const
{
    for (size_t i = 0; i < sizeof(kMemberNames) / sizeof(kMemberNames[0]); ++i)
        if (name == kMemberNames[i])
            return static_cast<DISPID>(i + 1);
    return DISPID_UNKNOWN;
}

void SessionManager::Call(DISPID id, const Arguments& arguments, VARIANT& result)
{
    switch (id) {
    case kOpenConnection: return OpenConnection(arguments);
    case kBeginSession: return BeginSession(arguments);
    case kEndSession: return EndSession();
    case kCloseConnection: return CloseConnection();
    case kCreateMsgSetRequest: return CreateMsgSetRequest(arguments, result);
    case kDoRequests: return DoRequests(arguments, result);
    default: throw Failure(DISP_E_MEMBERNOTFOUND, L"qbsim: no such member");
    }
}

void SessionManager::OpenConnection(const Arguments& arguments)
{
    std::wstring appId = arguments.Text(0);
    std::wstring appName = arguments.Text(1);
    Simulator::Instance().Trace().Add(L"OpenConnection " + Quoted(appId) + L" " + Quoted(appName));
    Simulator::Instance().Faults().Check(Stage::OpenConnection, L"", L"");
    Require(!m_connected, L"A connection is already open.");
    m_connected = true;
}

void SessionManager::BeginSession(const Arguments& arguments)
{
    std::wstring file = arguments.Text(0);
    long mode = arguments.Int(1);
    Simulator::Instance().Trace().Add(L"BeginSession " + Quoted(file) + L" " + std::to_wstring(mode));
    Simulator::Instance().Faults().Check(Stage::BeginSession, L"", L"");
    Require(m_connected, L"OpenConnection must be called before BeginSession.");
    Require(!m_inSession, L"A session is already open.");
    m_inSession = true;
}

void SessionManager::EndSession()
{
    Simulator::Instance().Trace().Add(L"EndSession");
    Simulator::Instance().Faults().Check(Stage::EndSession, L"", L"");
    Require(m_inSession, L"No session is open.");
    m_inSession = false;
    // The file then reads whole without its journal, as QuickBooks leaves a company it closes.
    Simulator::Instance().Store().Compact();
}

void SessionManager::CloseConnection()
{
    Simulator::Instance().Trace().Add(L"CloseConnection");
    Simulator::Instance().Faults().Check(Stage::CloseConnection, L"", L"");
    m_inSession = false;
    m_connected = false;
}

void SessionManager::CreateMsgSetRequest(const Arguments& arguments, VARIANT& result)
{
    std::wstring country = arguments.Text(0);
    long major = arguments.Int(1);
    long minor = arguments.Int(2);
    Simulator::Instance().Trace().Add(L"CreateMsgSetRequest " + Quoted(country) + L" " + std::to_wstring(major) + L" " +
                                      std::to_wstring(minor));
    Simulator::Instance().Faults().Check(Stage::CreateMsgSetRequest, L"", L"");
    Simulator::CheckCountry(country);
    SetObject(result, new MsgSetRequest(country, major, minor, Simulator::Instance().CurrentDialect()));
}

void SessionManager::DoRequests(const Arguments& arguments, VARIANT& result)
{
    MsgSetRequest* set = dynamic_cast<MsgSetRequest*>(DispatchObject::FromDispatch(arguments.Object(0)));
    if (!set)
        throw Failure(E_INVALIDARG, L"The message set was not made by this session manager.");
    Simulator& simulator = Simulator::Instance();
    std::wstring firstKind = set->Requests().empty() ? L"" : set->Requests()[0]->Context().requestKind;
    for (const ComRef<Node>& request : set->Requests())
        simulator.Trace().Add(TraceLine(*set, *request.Get()));
    simulator.Faults().Check(Stage::DoRequests, firstKind, L"");
    Require(m_inSession, L"BeginSession must be called before DoRequests.");
    Simulator::CheckVersion(set->GetDialect(), set->Major(), set->Minor());
    std::vector<Json> requests;
    for (const ComRef<Node>& request : set->Requests()) {
        requests.push_back(request->RequestJson());
        Simulator::CheckComplete(request->Context().requestKind, requests.back());
    }
    if (DWORD latency = simulator.Latency())
        Sleep(latency);
    Json responses = Json::MakeArray();
    for (size_t i = 0; i < requests.size(); ++i)
        responses.Push(simulator.Answer(set->Requests()[i]->Context().requestKind, requests[i]));
    Json response = Json::MakeObject();
    response.Set(L"ResponseList", responses);
    SetObject(result, Node::NewResponse(firstKind, std::move(response), set->GetDialect()).Detach());
}

}  // namespace QbSim
