#pragma once
// The class object for the session manager, and the two ways of making it reachable:
// registered at run time in this process (tests) or found by COM in the registry (the DLL).
#include <windows.h>

namespace QbSim {

// A new class factory with one reference.
IClassFactory* CreateSessionManagerFactory();

// CoRegisterClassObject for the session manager's class id. A test that creates the session
// manager on another thread passes CLSCTX_LOCAL_SERVER too (and keeps this thread pumping).
HRESULT RegisterInProcess(DWORD context, DWORD* cookie);
HRESULT RevokeInProcess(DWORD cookie);

}  // namespace QbSim
