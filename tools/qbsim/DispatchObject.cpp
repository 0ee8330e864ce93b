#include "tools/qbsim/DispatchObject.h"

#include "tools/qbsim/ComFailure.h"
#include "tools/qbsim/NameTypeInfo.h"
#include "tools/qbsim/OwnTime.h"

namespace QbSim {

// {5C1E7A52-3F0B-4D8E-9A61-2B7C4E0D9F13}
const IID IID_ISimulatorObject = { 0x5c1e7a52, 0x3f0b, 0x4d8e, { 0x9a, 0x61, 0x2b, 0x7c, 0x4e, 0x0d, 0x9f, 0x13 } };

namespace {

ComFailure BadArgument(HRESULT hresult)
{
    ComFailure failure = { hresult, L"", false, false };
    return failure;
}

}  // namespace

const VARIANT& Arguments::Given(size_t index) const
{
    if (index >= Count())
        throw BadArgument(DISP_E_BADPARAMCOUNT);
    // DISPPARAMS holds the arguments last first.
    return m_params->rgvarg[m_params->cArgs - 1 - index];
}

const VARIANT& Arguments::OutArgument(size_t index, VARTYPE type) const
{
    const VARIANT& given = Given(index);
    if (given.vt != (VT_BYREF | type) || !given.byref)
        throw BadArgument(DISP_E_TYPEMISMATCH);
    return given;
}

void Arguments::SetShortOut(size_t index, short value) const
{
    *OutArgument(index, VT_I2).piVal = value;
}

void Arguments::SetBoolOut(size_t index, bool value) const
{
    *OutArgument(index, VT_BOOL).pboolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

VARIANT Arguments::Coerced(size_t index, VARTYPE type) const
{
    VARIANT value;
    VariantInit(&value);
    const VARIANT& given = Given(index);
    if (FAILED(VariantChangeType(&value, const_cast<VARIANT*>(&given), 0, type)))
        throw BadArgument(DISP_E_TYPEMISMATCH);
    return value;
}

std::wstring Arguments::Text(size_t index) const
{
    VARIANT value = Coerced(index, VT_BSTR);
    std::wstring text(value.bstrVal ? value.bstrVal : L"", SysStringLen(value.bstrVal));
    VariantClear(&value);
    return text;
}

long Arguments::Int(size_t index) const
{
    return Coerced(index, VT_I4).lVal;
}
double Arguments::Date(size_t index) const
{
    return Coerced(index, VT_DATE).date;
}
bool Arguments::Bool(size_t index) const
{
    return Coerced(index, VT_BOOL).boolVal != VARIANT_FALSE;
}

IDispatch* Arguments::Object(size_t index) const
{
    VARIANT value = Coerced(index, VT_DISPATCH);
    IDispatch* object = value.pdispVal;
    VariantClear(&value);  // the caller's VARIANT still holds its reference
    return object;
}

STDMETHODIMP DispatchObject::QueryInterface(REFIID iid, void** object)
{
    OwnTimeScope timed;
    if (!object)
        return E_POINTER;
    *object = 0;
    if (iid == IID_ISimulatorObject) {
        *object = this;  // no reference: an identity check within this module
        return S_OK;
    }
    if (iid != IID_IUnknown && iid != IID_IDispatch && !Supports(iid))
        return E_NOINTERFACE;
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) DispatchObject::AddRef()
{
    return InterlockedIncrement(&m_references);
}

STDMETHODIMP_(ULONG) DispatchObject::Release()
{
    LONG left = InterlockedDecrement(&m_references);
    if (left == 0) {
        OwnTimeScope timed;
        delete this;
    }
    return left;
}

STDMETHODIMP DispatchObject::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_POINTER;
    *count = 1;
    return S_OK;
}

STDMETHODIMP DispatchObject::GetTypeInfo(UINT index, LCID, ITypeInfo** info)
{
    if (!info)
        return E_POINTER;
    *info = 0;
    if (index != 0)
        return DISP_E_BADINDEX;
    try {
        *info = CreateNameTypeInfo(TypeName());
        return S_OK;
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

STDMETHODIMP DispatchObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    if (!names || !ids || count == 0)
        return E_INVALIDARG;
    OwnTimeScope timed;
    try {
        ids[0] = MemberId(names[0]);
        for (UINT i = 1; i < count; ++i)
            ids[i] = DISPID_UNKNOWN;  // named arguments are not supported
        return ids[0] == DISPID_UNKNOWN || count > 1 ? DISP_E_UNKNOWNNAME : S_OK;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

STDMETHODIMP DispatchObject::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result,
                                    EXCEPINFO* exception, UINT*)
{
    OwnTimeScope timed;
    VARIANT value;
    VariantInit(&value);
    try {
        Call(id, Arguments(params), value);
        if (result)
            *result = value;
        else
            VariantClear(&value);
        return S_OK;
    } catch (const ComFailure& failure) {
        VariantClear(&value);
        return ReportFailure(failure, exception);
    } catch (const std::exception& error) {
        VariantClear(&value);
        return ReportFailure(FailureOf(E_FAIL, error), exception);
    } catch (...) {
        VariantClear(&value);
        return ReportFailure(Failure(E_UNEXPECTED, L"qbsim: internal error"), exception);
    }
}

DispatchObject* DispatchObject::FromDispatch(IDispatch* dispatch)
{
    void* object = 0;
    if (!dispatch || FAILED(dispatch->QueryInterface(IID_ISimulatorObject, &object)))
        return 0;
    return static_cast<DispatchObject*>(object);
}

void SetText(VARIANT& result, const std::wstring& text)
{
    result.vt = VT_BSTR;
    result.bstrVal = SysAllocStringLen(text.data(), text.size());
}

void SetInt(VARIANT& result, long value)
{
    result.vt = VT_I4;
    result.lVal = value;
}

void SetBool(VARIANT& result, bool value)
{
    result.vt = VT_BOOL;
    result.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

void SetDate(VARIANT& result, double value)
{
    result.vt = VT_DATE;
    result.date = value;
}

void SetObject(VARIANT& result, IDispatch* objectWithReference)
{
    result.vt = VT_DISPATCH;
    result.pdispVal = objectWithReference;
}

}  // namespace QbSim
