// qbsim.dll's COM entry points: the class object and its registration in the registry.
#include <windows.h>
#include <olectl.h>
#include <string>

#include "tools/qbsim/ClassFactory.h"
#include "tools/qbsim/SessionManager.h"

namespace {

HMODULE g_module = 0;

std::wstring ClassKey()
{
    wchar_t clsid[64];
    StringFromGUID2(QbSim::CLSID_QBSessionManager, clsid, 64);
    return std::wstring(L"CLSID\\") + clsid;
}

bool SetValue(HKEY key, const wchar_t* name, const std::wstring& value)
{
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

HRESULT WINAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = 0;
    if (clsid != QbSim::CLSID_QBSessionManager)
        return CLASS_E_CLASSNOTAVAILABLE;
    try {
        IClassFactory* factory = QbSim::CreateSessionManagerFactory();
        HRESULT hr = factory->QueryInterface(iid, object);
        factory->Release();
        return hr;
    } catch (...) {
        return E_OUTOFMEMORY;
    }
}

// The company store is process-wide and tests hold the module for its control functions:
// the DLL stays loaded for the life of the process.
HRESULT WINAPI DllCanUnloadNow()
{
    return S_FALSE;
}

// ThreadingModel "Both": the connector's worker thread gets direct pointers, never proxies.
HRESULT WINAPI DllRegisterServer()
{
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(g_module, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return E_FAIL;
    HKEY key = 0;
    std::wstring name = ClassKey() + L"\\InprocServer32";
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, name.c_str(), 0, 0, 0, KEY_WRITE, 0, &key, 0) != ERROR_SUCCESS)
        return SELFREG_E_CLASS;
    bool written = SetValue(key, 0, path) && SetValue(key, L"ThreadingModel", L"Both");
    RegCloseKey(key);
    return written ? S_OK : SELFREG_E_CLASS;
}

HRESULT WINAPI DllUnregisterServer()
{
    LSTATUS status = RegDeleteTreeW(HKEY_CLASSES_ROOT, ClassKey().c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND ? S_OK : SELFREG_E_CLASS;
}

}  // extern "C"
