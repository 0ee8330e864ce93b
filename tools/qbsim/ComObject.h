#pragma once
// Reference counting and QueryInterface for a simulator object that offers one interface.
#include <windows.h>
#include <unknwn.h>

namespace QbSim {

template <typename Interface>
class ComObject : public Interface {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        *object = 0;
        if (iid != IID_IUnknown && iid != __uuidof(Interface))
            return E_NOINTERFACE;
        *object = static_cast<Interface*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&m_references); }
    STDMETHODIMP_(ULONG) Release() override
    {
        LONG left = InterlockedDecrement(&m_references);
        if (left == 0)
            delete this;
        return left;
    }

protected:
    ComObject() : m_references(1) {}
    virtual ~ComObject() {}

private:
    ComObject(const ComObject&);
    ComObject& operator=(const ComObject&);

    LONG m_references;
};

}  // namespace QbSim
