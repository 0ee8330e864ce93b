#pragma once
// The base of every object the simulator hands out: reference counting, IDispatch by member
// name, a type information object that gives the interface's name, and one catch at the top
// of every COM method that turns failures into HRESULTs with error information.
#include <windows.h>
#include <oleauto.h>
#include <string>

namespace QbSim {

// Asked of any object to reach the simulator's own C++ object behind an IDispatch.
extern const IID IID_ISimulatorObject;

// Positional arguments of one call, first argument at index 0, coerced on reading. An out
// argument is written through its reference, which must be of exactly its type.
class Arguments {
public:
    explicit Arguments(const DISPPARAMS* params) : m_params(params) {}
    size_t Count() const { return m_params ? m_params->cArgs : 0; }
    std::wstring Text(size_t index) const;
    long Int(size_t index) const;
    double Date(size_t index) const;
    bool Bool(size_t index) const;
    IDispatch* Object(size_t index) const;  // borrowed
    void SetShortOut(size_t index, short value) const;  // VT_BYREF | VT_I2
    void SetBoolOut(size_t index, bool value) const;  // VT_BYREF | VT_BOOL

private:
    const VARIANT& Given(size_t index) const;
    const VARIANT& OutArgument(size_t index, VARTYPE type) const;
    VARIANT Coerced(size_t index, VARTYPE type) const;
    const DISPPARAMS* m_params;
};

class DispatchObject : public IDispatch {
public:
    DispatchObject() : m_references(1) {}
    virtual ~DispatchObject() {}

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argumentError) override;

    // The object behind an IDispatch when it is one of ours, else null.
    static DispatchObject* FromDispatch(IDispatch* dispatch);

protected:
    virtual std::wstring TypeName() const = 0;
    // DISPID_UNKNOWN for a name the object does not have.
    virtual DISPID MemberId(const std::wstring& name) const = 0;
    // Throws ComFailure for a failure to report; `result` starts empty.
    virtual void Call(DISPID id, const Arguments& arguments, VARIANT& result) = 0;
    virtual bool Supports(REFIID) const { return false; }

private:
    DispatchObject(const DispatchObject&);
    DispatchObject& operator=(const DispatchObject&);

    LONG m_references;
};

// VARIANT helpers for results.
void SetText(VARIANT& result, const std::wstring& text);
void SetInt(VARIANT& result, long value);
void SetBool(VARIANT& result, bool value);
void SetDate(VARIANT& result, double value);
void SetObject(VARIANT& result, IDispatch* objectWithReference);  // takes the reference

}  // namespace QbSim
