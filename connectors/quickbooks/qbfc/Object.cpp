#include "connectors/quickbooks/qbfc/Object.h"

#include <set>
#include <unordered_map>
#include <utility>

#include "core/SlimLock.h"

namespace Quorvane {
namespace Qbfc {

namespace {

// Keyed by the interface's key and the address of the member's name, a literal: no text is
// built or compared on a call.
typedef std::pair<const void*, const wchar_t*> MemberKey;

struct MemberKeyHash {
    size_t operator()(const MemberKey& key) const
    {
        return std::hash<const void*>()(key.first) * 31 + std::hash<const void*>()(key.second);
    }
};

// Read far more often than written: readers share the lock.
SRWLOCK g_cacheLock = SRWLOCK_INIT;
std::unordered_map<MemberKey, DISPID, MemberKeyHash> g_memberIds;
// An interface reached through a member: (the owner's interface key, the member). The set's
// elements do not move, so their addresses serve as keys.
std::set<MemberKey> g_interfacesThrough;

IErrorInfo* MakeErrorInfo(BSTR description)
{
    ICreateErrorInfo* create = 0;
    if (FAILED(CreateErrorInfo(&create)))
        return 0;
    create->SetDescription(description);
    IErrorInfo* info = 0;
    create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info));
    create->Release();
    return info;
}

[[noreturn]] void ThrowFailure(HRESULT hr, EXCEPINFO& exception)
{
    if (hr != DISP_E_EXCEPTION) {
        IErrorInfo* info = 0;
        if (GetErrorInfo(0, &info) != S_OK)
            info = 0;
        throw _com_error(hr, info);
    }
    if (exception.pfnDeferredFillIn)
        exception.pfnDeferredFillIn(&exception);
    HRESULT code = exception.scode ? exception.scode : _com_error::WCodeToHRESULT(exception.wCode);
    IErrorInfo* info = exception.bstrDescription ? MakeErrorInfo(exception.bstrDescription) : 0;
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    throw _com_error(code, info);
}

}  // namespace

std::wstring Object::GetTypeName() const
{
    if (IsNull())
        _com_issue_error(E_POINTER);
    ITypeInfo* info = 0;
    HRESULT hr = m_dispatch->GetTypeInfo(0, LOCALE_USER_DEFAULT, &info);
    if (FAILED(hr) || !info)
        _com_issue_error(FAILED(hr) ? hr : E_POINTER);
    BSTR name = 0;
    hr = info->GetDocumentation(MEMBERID_NIL, &name, 0, 0, 0);
    info->Release();
    if (FAILED(hr))
        _com_issue_error(hr);
    std::wstring text = BstrToWString(name);
    SysFreeString(name);
    return text;
}

HRESULT Object::LookUpMemberId(const wchar_t* member, DISPID& id) const
{
    if (IsNull())
        _com_issue_error(E_POINTER);
    id = DISPID_UNKNOWN;
    LPOLESTR name = const_cast<LPOLESTR>(member);
    return m_dispatch->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id);
}

bool Object::HasMember(const wchar_t* member) const
{
    DISPID id;
    HRESULT hr = LookUpMemberId(member, id);
    if (hr == DISP_E_UNKNOWNNAME || hr == DISP_E_MEMBERNOTFOUND)
        return false;
    if (FAILED(hr))
        _com_issue_error(hr);
    return true;
}

DISPID Object::MemberId(const wchar_t* member) const
{
    MemberKey key(m_interface, member);
    if (m_interface) {
        SlimLock hold(g_cacheLock, SlimLock::Shared);
        auto found = g_memberIds.find(key);
        if (found != g_memberIds.end())
            return found->second;
    }
    DISPID id;
    HRESULT hr = LookUpMemberId(member, id);
    if (FAILED(hr))
        _com_issue_error(hr);
    if (m_interface) {
        SlimLock hold(g_cacheLock);
        g_memberIds[key] = id;
    }
    return id;
}

const void* Object::InterfaceThrough(const wchar_t* member) const
{
    if (!m_interface)
        return 0;
    MemberKey key(m_interface, member);
    {
        SlimLock hold(g_cacheLock, SlimLock::Shared);
        auto found = g_interfacesThrough.find(key);
        if (found != g_interfacesThrough.end())
            return &*found;
    }
    SlimLock hold(g_cacheLock);
    return &*g_interfacesThrough.insert(key).first;
}

_variant_t Object::Call(const wchar_t* member, WORD flags, const std::vector<_variant_t>& arguments) const
{
    if (IsNull())
        _com_issue_error(E_POINTER);
    return CallById(MemberId(member), flags, arguments);
}

_variant_t Object::CallById(DISPID id, WORD flags, const std::vector<_variant_t>& arguments) const
{
    // DISPPARAMS holds the arguments last first.
    std::vector<VARIANT> reversed(arguments.rbegin(), arguments.rend());
    DISPPARAMS params = { reversed.empty() ? 0 : &reversed[0], 0, static_cast<UINT>(reversed.size()), 0 };
    _variant_t result;
    EXCEPINFO exception = {};
    UINT argumentError = 0;
    SetErrorInfo(0, 0);  // no stale description from an earlier failure
    HRESULT hr =
        m_dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, &result, &exception, &argumentError);
    if (FAILED(hr))
        ThrowFailure(hr, exception);
    return result;
}

_variant_t Object::Property(const wchar_t* member) const
{
    return Call(member, DISPATCH_PROPERTYGET | DISPATCH_METHOD, std::vector<_variant_t>());
}

std::wstring Object::TextProperty(const wchar_t* member) const
{
    _variant_t value = Property(member);
    if (value.vt == VT_BSTR)
        return BstrToWString(value.bstrVal);
    value.ChangeType(VT_BSTR);
    return BstrToWString(value.bstrVal);
}

long Object::IntProperty(const wchar_t* member) const
{
    _variant_t value = Property(member);
    value.ChangeType(VT_I4);
    return value.lVal;
}

_variant_t TextArgument(const std::wstring& text)
{
    _variant_t argument;
    argument.vt = VT_BSTR;
    argument.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (!argument.bstrVal)
        _com_issue_error(E_OUTOFMEMORY);
    return argument;
}

_variant_t ShortOutArgument(short& value)
{
    _variant_t argument;
    argument.vt = VT_BYREF | VT_I2;
    argument.piVal = &value;
    return argument;
}

_variant_t BoolOutArgument(VARIANT_BOOL& value)
{
    _variant_t argument;
    argument.vt = VT_BYREF | VT_BOOL;
    argument.pboolVal = &value;
    return argument;
}

std::wstring BstrToWString(BSTR text)
{
    return text ? std::wstring(text, SysStringLen(text)) : std::wstring();
}

}  // namespace Qbfc
}  // namespace Quorvane
