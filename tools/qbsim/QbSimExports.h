#pragma once
// The test control exported by qbsim.dll, for tests that load the DLL with LoadLibraryW (the
// same module instance COM uses). Each function catches everything and returns an HRESULT;
// JSON arguments are those of Control.h. Look them up with GetProcAddress by these names.
#include <windows.h>
#include <oleauto.h>

extern "C" {
typedef HRESULT(WINAPI* QbSimNoArgument)();  // QbSimReset, QbSimClearFaults, QbSimClearTrace
typedef HRESULT(WINAPI* QbSimText)(
    LPCWSTR text);  // QbSimSeed, QbSimUseCompanyFile, QbSimInjectFault, QbSimRegisterProgIdOnly
typedef HRESULT(WINAPI* QbSimRead)(BSTR* text);  // QbSimSnapshot, QbSimTrace (lines joined by "\n")
typedef HRESULT(WINAPI* QbSimEditRecord)(LPCWSTR list, LPCWSTR id, LPCWSTR patch);  // QbSimEdit: S_FALSE when not found
typedef HRESULT(WINAPI* QbSimDeleteRecord)(LPCWSTR list, LPCWSTR id);  // QbSimDelete: S_FALSE when not found
typedef HRESULT(WINAPI* QbSimLatency)(DWORD milliseconds);  // QbSimSetLatency
}
