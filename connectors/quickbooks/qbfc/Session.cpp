#include "connectors/quickbooks/qbfc/Session.h"

#include <ole2.h>

namespace Quorvane {
namespace Qbfc {

const CLSID CLSID_QBSessionManager = { 0x178aacca, 0x9dce, 0x42a0, { 0xa1, 0x93, 0xcf, 0x49, 0x85, 0xb9, 0x30, 0xe5 } };
const IID IID_IQBSessionManager = { 0xf283510c, 0x8797, 0x4771, { 0xa8, 0x05, 0x1b, 0xea, 0x61, 0x1e, 0x4c, 0x5e } };

namespace {

const DWORD kAnyServer = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER;

}  // namespace

Object IResponse::Detail() const
{
    _variant_t value = Property(L"Detail");
    return Object(value.vt == VT_DISPATCH ? value.pdispVal : 0, 0);
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
    _variant_t set = Call(L"CreateMsgSetRequest", DISPATCH_METHOD,
                          { TextArgument(country), _variant_t(major), _variant_t(minor) });
    return IMsgSetRequest(set.vt == VT_DISPATCH ? set.pdispVal : 0);
}

IMsgSetResponse IQBSessionManager::DoRequests(const IMsgSetRequest& request) const
{
    _variant_t set(request.GetDispatch());
    _variant_t response = Call(L"DoRequests", DISPATCH_METHOD, { set });
    return IMsgSetResponse(response.vt == VT_DISPATCH ? response.pdispVal : 0);
}

HRESULT CreateQBSessionManager(IQBSessionManager& out)
{
    out = IQBSessionManager();
    IUnknown* unknown = 0;
    HRESULT hr = CoCreateInstance(CLSID_QBSessionManager, 0, kAnyServer, IID_IUnknown, reinterpret_cast<void**>(&unknown));
    if (FAILED(hr))
        return hr;
    IDispatch* manager = 0;
    hr = OleRun(unknown);
    if (SUCCEEDED(hr))
        hr = unknown->QueryInterface(IID_IQBSessionManager, reinterpret_cast<void**>(&manager));
    unknown->Release();
    if (FAILED(hr))
        return hr;
    out = IQBSessionManager(manager);
    manager->Release();
    return S_OK;
}

}  // namespace Qbfc
}  // namespace Quorvane
