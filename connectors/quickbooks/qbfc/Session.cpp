#include "connectors/quickbooks/qbfc/Session.h"

#include <ole2.h>

namespace Quorvane {
namespace Qbfc {

const CLSID CLSID_QBSessionManager = { 0x178aacca, 0x9dce, 0x42a0, { 0xa1, 0x93, 0xcf, 0x49, 0x85, 0xb9, 0x30, 0xe5 } };
const IID IID_IQBSessionManager = { 0xf283510c, 0x8797, 0x4771, { 0xa8, 0x05, 0x1b, 0xea, 0x61, 0x1e, 0x4c, 0x5e } };

namespace {

const DWORD kAnyServer = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER;
// Versions above the newest released are asked for too, so that a later QBFC is found.
const int kNewestQbfcVersion = 20;
const int kOldestQbfcVersion = 6;
const wchar_t kClassIdOrigin[] = L"class {178AACCA-9DCE-42A0-A193-CF4985B930E5}";

// The session manager of one class: the specified interface, or IDispatch when the object
// does not offer it. `throughDispatch` tells which.
HRESULT CreateFromClass(const CLSID& clsid, IQBSessionManager& out, bool& throughDispatch)
{
    IUnknown* unknown = 0;
    HRESULT hr = CoCreateInstance(clsid, 0, kAnyServer, IID_IUnknown, reinterpret_cast<void**>(&unknown));
    if (FAILED(hr))
        return hr;
    IDispatch* manager = 0;
    hr = OleRun(unknown);
    if (SUCCEEDED(hr))
        hr = unknown->QueryInterface(IID_IQBSessionManager, reinterpret_cast<void**>(&manager));
    throughDispatch = hr == E_NOINTERFACE;
    if (throughDispatch)
        hr = unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&manager));
    unknown->Release();
    if (FAILED(hr))
        return hr;
    out = IQBSessionManager(manager);
    manager->Release();
    return S_OK;
}

// The newest QBFC registered by its ProgID that can be made; the last failure, or
// REGDB_E_CLASSNOTREG when none is registered.
HRESULT CreateFromProgId(IQBSessionManager& out, std::wstring& origin, bool& throughDispatch)
{
    HRESULT failure = REGDB_E_CLASSNOTREG;
    for (int version = kNewestQbfcVersion; version >= kOldestQbfcVersion; --version) {
        std::wstring progId = L"QBFC" + std::to_wstring(version) + L".QBSessionManager";
        CLSID clsid;
        if (FAILED(CLSIDFromProgID(progId.c_str(), &clsid)))
            continue;
        failure = CreateFromClass(clsid, out, throughDispatch);
        if (SUCCEEDED(failure)) {
            origin = progId;
            return S_OK;
        }
    }
    return failure;
}

}  // namespace

bool IQBBase::IsOfType(const std::wstring& interfaceName) const
{
    DISPID typeId;
    HRESULT hr = LookUpMemberId(L"Type", typeId);
    if (hr == DISP_E_UNKNOWNNAME || hr == DISP_E_MEMBERNOTFOUND)
        return GetTypeName() == interfaceName;
    if (FAILED(hr))
        _com_issue_error(hr);
    _variant_t value = CallById(typeId, DISPATCH_PROPERTYGET | DISPATCH_METHOD, {});
    IQBEnumType type(value.vt == VT_DISPATCH ? value.pdispVal : 0);
    if (type.IsNull())
        return GetTypeName() == interfaceName;
    return type.GetAsString() == L"ot" + interfaceName.substr(1);
}

void IQBSessionManager::OpenConnection(const std::wstring& appId, const std::wstring& appName) const
{
    Call(L"OpenConnection", DISPATCH_METHOD, { TextArgument(appId), TextArgument(appName) });
}

void IQBSessionManager::BeginSession(const std::wstring& companyFile, long openMode) const
{
    Call(L"BeginSession", DISPATCH_METHOD, { TextArgument(companyFile), _variant_t(openMode) });
}

IMsgSetRequest IQBSessionManager::CreateMsgSetRequest(const std::wstring& country, short major, short minor) const
{
    _variant_t set =
        Call(L"CreateMsgSetRequest", DISPATCH_METHOD, { TextArgument(country), _variant_t(major), _variant_t(minor) });
    return IMsgSetRequest(set.vt == VT_DISPATCH ? set.pdispVal : 0);
}

IMsgSetResponse IQBSessionManager::DoRequests(const IMsgSetRequest& request) const
{
    _variant_t set(request.GetDispatch());
    _variant_t response = Call(L"DoRequests", DISPATCH_METHOD, { set });
    return IMsgSetResponse(response.vt == VT_DISPATCH ? response.pdispVal : 0);
}

HRESULT CreateQBSessionManager(IQBSessionManager& out, std::wstring* origin)
{
    out = IQBSessionManager();
    std::wstring made = kClassIdOrigin;
    bool throughDispatch = false;
    HRESULT hr = CreateFromClass(CLSID_QBSessionManager, out, throughDispatch);
    if (hr == REGDB_E_CLASSNOTREG)
        hr = CreateFromProgId(out, made, throughDispatch);
    if (SUCCEEDED(hr) && origin)
        *origin = made + (throughDispatch ? L" through IDispatch" : L"");
    return hr;
}

}  // namespace Qbfc
}  // namespace Quorvane
