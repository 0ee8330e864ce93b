#pragma once
// The class object for the session manager, and the two ways of making it reachable:
// registered at run time in this process (tests) or found by COM in the registry (the DLL).
#include <windows.h>

#include "tools/qbsim/SessionManager.h"

namespace QbSim {

// A new class factory with one reference, for CLSID_QBSessionManager (whose objects offer the
// session-manager interface id) or for CLSID_ProgIdSessionManager (IDispatch only).
IClassFactory* CreateSessionManagerFactory(REFCLSID clsid = CLSID_QBSessionManager);

// CoRegisterClassObject for the session manager's class id. COM then finds it only from the
// registering apartment (two MTA threads share one): from another apartment, even registered
// with CLSCTX_LOCAL_SERVER, the object arrives as a proxy and its session-manager interface,
// which has no proxy, cannot be queried (E_NOINTERFACE, probed under Wine). A test whose
// session manager is made on a single-threaded worker uses qbsim.dll registered in the
// registry instead (DllRegisterServer), which COM loads into any apartment.
HRESULT RegisterInProcess(DWORD context, DWORD* cookie);
HRESULT RevokeInProcess(DWORD cookie);

}  // namespace QbSim
