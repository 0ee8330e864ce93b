// qbsim.dll's COM entry points: the class object and its registration in the registry.
#include <windows.h>
#include <olectl.h>
#include <string>

#include "tools/qbsim/ClassFactory.h"
#include "tools/qbsim/SessionManager.h"

namespace {

HMODULE g_module = 0;

std::wstring ClassKey(REFCLSID clsid)
{
    wchar_t text[64];
    StringFromGUID2(clsid, text, 64);
    return std::wstring(L"CLSID\\") + text;
}

bool SetValue(HKEY key, const wchar_t* name, const std::wstring& value)
{
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

bool SetKeyValue(const std::wstring& keyName, const wchar_t* name, const std::wstring& value)
{
    HKEY key = 0;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, keyName.c_str(), 0, 0, 0, KEY_WRITE, 0, &key, 0) != ERROR_SUCCESS)
        return false;
    bool written = SetValue(key, name, value);
    RegCloseKey(key);
    return written;
}

// ThreadingModel "Both": the connector's worker thread gets direct pointers, never proxies.
HRESULT RegisterServerClass(REFCLSID clsid)
{
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(g_module, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return E_FAIL;
    std::wstring server = ClassKey(clsid) + L"\\InprocServer32";
    bool written = SetKeyValue(server, 0, path) && SetKeyValue(server, L"ThreadingModel", L"Both");
    return written ? S_OK : SELFREG_E_CLASS;
}

bool DeleteKey(const std::wstring& name)
{
    LSTATUS status = RegDeleteTreeW(HKEY_CLASSES_ROOT, name.c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

// The ProgID the class was registered under, kept beside it as COM keeps it.
std::wstring RegisteredProgId()
{
    wchar_t progId[256] = L"";
    LONG size = sizeof(progId);
    std::wstring key = ClassKey(QbSim::CLSID_ProgIdSessionManager) + L"\\ProgID";
    return RegQueryValueW(HKEY_CLASSES_ROOT, key.c_str(), progId, &size) == ERROR_SUCCESS ? progId : L"";
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
    if (clsid != QbSim::CLSID_QBSessionManager && clsid != QbSim::CLSID_ProgIdSessionManager)
        return CLASS_E_CLASSNOTAVAILABLE;
    try {
        IClassFactory* factory = QbSim::CreateSessionManagerFactory(clsid);
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

HRESULT WINAPI DllRegisterServer()
{
    return RegisterServerClass(QbSim::CLSID_QBSessionManager);
}

// Removes both registrations, the ProgID one with its ProgID.
HRESULT WINAPI DllUnregisterServer()
{
    std::wstring progId = RegisteredProgId();
    bool removed = (progId.empty() || DeleteKey(progId)) && DeleteKey(ClassKey(QbSim::CLSID_ProgIdSessionManager)) &&
                   DeleteKey(ClassKey(QbSim::CLSID_QBSessionManager));
    return removed ? S_OK : SELFREG_E_CLASS;
}

// Registers the simulator under `progId` alone, as a QBFC of another class id would be.
HRESULT WINAPI QbSimRegisterProgIdOnly(LPCWSTR progId)
{
    if (!progId || !*progId)
        return E_INVALIDARG;
    HRESULT hr = RegisterServerClass(QbSim::CLSID_ProgIdSessionManager);
    if (FAILED(hr))
        return hr;
    wchar_t clsid[64];
    StringFromGUID2(QbSim::CLSID_ProgIdSessionManager, clsid, 64);
    bool written = SetKeyValue(ClassKey(QbSim::CLSID_ProgIdSessionManager) + L"\\ProgID", 0, progId) &&
                   SetKeyValue(std::wstring(progId) + L"\\CLSID", 0, clsid);
    return written ? S_OK : SELFREG_E_CLASS;
}

}  // extern "C"
