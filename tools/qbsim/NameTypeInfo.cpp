#include "tools/qbsim/NameTypeInfo.h"

#include "tools/qbsim/ComObject.h"

namespace QbSim {

namespace {

class NameTypeInfo : public ComObject<ITypeInfo> {
public:
    explicit NameTypeInfo(const std::wstring& name) : m_name(name) {}

    STDMETHODIMP GetDocumentation(MEMBERID id, BSTR* name, BSTR* doc, DWORD* context, BSTR* helpFile) override
    {
        if (id != MEMBERID_NIL)
            return TYPE_E_ELEMENTNOTFOUND;
        if (name)
            *name = SysAllocString(m_name.c_str());
        if (doc)
            *doc = 0;
        if (context)
            *context = 0;
        if (helpFile)
            *helpFile = 0;
        return S_OK;
    }

    // Nothing else is described.
    STDMETHODIMP GetTypeAttr(TYPEATTR**) override { return E_NOTIMPL; }
    STDMETHODIMP GetTypeComp(ITypeComp**) override { return E_NOTIMPL; }
    STDMETHODIMP GetFuncDesc(UINT, FUNCDESC**) override { return E_NOTIMPL; }
    STDMETHODIMP GetVarDesc(UINT, VARDESC**) override { return E_NOTIMPL; }
    STDMETHODIMP GetNames(MEMBERID, BSTR*, UINT, UINT*) override { return E_NOTIMPL; }
    STDMETHODIMP GetRefTypeOfImplType(UINT, HREFTYPE*) override { return E_NOTIMPL; }
    STDMETHODIMP GetImplTypeFlags(UINT, INT*) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(LPOLESTR*, UINT, MEMBERID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(PVOID, MEMBERID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override { return E_NOTIMPL; }
    STDMETHODIMP GetDllEntry(MEMBERID, INVOKEKIND, BSTR*, BSTR*, WORD*) override { return E_NOTIMPL; }
    STDMETHODIMP GetRefTypeInfo(HREFTYPE, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP AddressOfMember(MEMBERID, INVOKEKIND, PVOID*) override { return E_NOTIMPL; }
    STDMETHODIMP CreateInstance(IUnknown*, REFIID, PVOID*) override { return E_NOTIMPL; }
    STDMETHODIMP GetMops(MEMBERID, BSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP GetContainingTypeLib(ITypeLib**, UINT*) override { return E_NOTIMPL; }
    STDMETHODIMP_(void) ReleaseTypeAttr(TYPEATTR*) override {}
    STDMETHODIMP_(void) ReleaseFuncDesc(FUNCDESC*) override {}
    STDMETHODIMP_(void) ReleaseVarDesc(VARDESC*) override {}

private:
    std::wstring m_name;
};

}  // namespace

ITypeInfo* CreateNameTypeInfo(const std::wstring& name)
{
    return new NameTypeInfo(name);
}

}  // namespace QbSim
