#pragma once
// The base of the typed QBFC wrappers. A wrapper holds one counted reference to an automation
// object and calls it through IDispatch by member name; the names are resolved once per real
// interface and member and then cached. No QBFC header is needed: any automation server whose
// objects carry QBFC's member names can be driven.
//
// Failures: every failed call throws _com_error carrying the HRESULT and the description
// (from the thread's IErrorInfo, or from EXCEPINFO when the server reports DISP_E_EXCEPTION).
// Calling a member of a null wrapper throws _com_error(E_POINTER): a getter of an optional
// element gives a null wrapper when the element is absent, so "present" is !IsNull().
//
// QBFC numbers each interface's members on its own, so the cache is keyed by the real
// interface: a wrapper type's name where the wrapper type is one interface; for a wrapper that
// serves several (the enumerated fields), the interface that gave the object and the member it
// came through, which together name one interface. Type and member names are string literals:
// the cache keeps their addresses.
#include <windows.h>
#include <comdef.h>
#include <string>
#include <vector>

// MinGW's comdef.h declares no smart-pointer typedefs of its own.
_COM_SMARTPTR_TYPEDEF(IDispatch, __uuidof(IDispatch));

namespace Quorvane {
namespace Qbfc {

class Object {
public:
    Object() : m_interface(0) {}
    // Takes a reference of its own. `interfaceKey` keys the member-id cache (null: no caching).
    Object(IDispatch* dispatch, const void* interfaceKey) : m_dispatch(dispatch), m_interface(interfaceKey) {}
    // Whether one wrapper type stands for several interfaces; hidden by the wrappers that do.
    static bool ServesSeveralInterfaces() { return false; }

    bool IsNull() const { return !m_dispatch; }
    IDispatch* GetDispatch() const { return m_dispatch; }
    // The automation type's own name, from its type information (e.g. "ITimeTrackingRet").
    std::wstring GetTypeName() const;
    // Whether the object has the member: QBFC's object model differs between its versions.
    bool HasMember(const wchar_t* member) const;

protected:
    _variant_t Call(const wchar_t* member, WORD flags, const std::vector<_variant_t>& arguments) const;
    _variant_t CallById(DISPID id, WORD flags, const std::vector<_variant_t>& arguments) const;
    // GetIDsOfNames' own answer, uncached.
    HRESULT LookUpMemberId(const wchar_t* member, DISPID& id) const;
    _variant_t Property(const wchar_t* member) const;

    template <typename T>
    T Child(const wchar_t* member) const
    {
        _variant_t value = Property(member);
        T child(value.vt == VT_DISPATCH ? value.pdispVal : 0);
        if (T::ServesSeveralInterfaces())
            static_cast<Object&>(child).m_interface = InterfaceThrough(member);
        return child;
    }

    std::wstring TextProperty(const wchar_t* member) const;
    long IntProperty(const wchar_t* member) const;

private:
    DISPID MemberId(const wchar_t* member) const;
    // The key of the interface that this object's member gives; null when this one has none.
    const void* InterfaceThrough(const wchar_t* member) const;

    IDispatchPtr m_dispatch;
    const void* m_interface;
};

// A BSTR argument with the text's exact length.
_variant_t TextArgument(const std::wstring& text);
// By-reference arguments that the call fills in; the variable must outlive the call.
_variant_t ShortOutArgument(short& value);
_variant_t BoolOutArgument(VARIANT_BOOL& value);  // VARIANT_BOOL is a short too
// A BSTR result as a string: SysStringLen characters, a null BSTR gives "".
std::wstring BstrToWString(BSTR text);

}  // namespace Qbfc
}  // namespace Quorvane

// The constructors and name of one wrapper type.
#define QBFC_WRAPPER(Name, Base)                                                                                       \
public:                                                                                                                \
    Name() {}                                                                                                          \
    explicit Name(IDispatch* dispatch) : Base(dispatch, TypeName()) {}                                                 \
    static const wchar_t* TypeName()                                                                                   \
    {                                                                                                                  \
        return L## #Name;                                                                                              \
    }
