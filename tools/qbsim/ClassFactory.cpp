#include "tools/qbsim/ClassFactory.h"

#include "tools/qbsim/ComObject.h"

namespace QbSim {

namespace {

class SessionManagerFactory : public ComObject<IClassFactory> {
public:
    explicit SessionManagerFactory(bool offersInterfaceId) : m_offersInterfaceId(offersInterfaceId) {}

    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        *object = 0;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        try {
            SessionManager* manager = new SessionManager(m_offersInterfaceId);
            HRESULT hr = manager->QueryInterface(iid, object);
            manager->Release();
            return hr;
        } catch (...) {
            return E_OUTOFMEMORY;
        }
    }

    // The DLL never unloads (see DllCanUnloadNow), so there is nothing to lock.
    STDMETHODIMP LockServer(BOOL) override { return S_OK; }

private:
    bool m_offersInterfaceId;
};

}  // namespace

IClassFactory* CreateSessionManagerFactory(REFCLSID clsid)
{
    return new SessionManagerFactory(clsid == CLSID_QBSessionManager);
}

HRESULT RegisterInProcess(DWORD context, DWORD* cookie)
{
    IClassFactory* factory = CreateSessionManagerFactory();
    HRESULT hr = CoRegisterClassObject(CLSID_QBSessionManager, factory, context, REGCLS_MULTIPLEUSE, cookie);
    factory->Release();
    return hr;
}

HRESULT RevokeInProcess(DWORD cookie)
{
    return CoRevokeClassObject(cookie);
}

}  // namespace QbSim
