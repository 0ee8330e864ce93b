#include "tests/quickbooks/SimulatedSessionManager.h"

#include "tools/qbsim/ClassFactory.h"

namespace QuickBooksTest {

HRESULT CreateSimulatedSessionManager(Quorvane::Qbfc::IQBSessionManager& out)
{
    IClassFactory* factory = QbSim::CreateSessionManagerFactory();
    IDispatch* manager = NULL;
    HRESULT result =
        factory->CreateInstance(NULL, Quorvane::Qbfc::IID_IQBSessionManager, reinterpret_cast<void**>(&manager));
    factory->Release();
    if (FAILED(result))
        return result;
    out = Quorvane::Qbfc::IQBSessionManager(manager);
    manager->Release();
    return S_OK;
}

}  // namespace QuickBooksTest
