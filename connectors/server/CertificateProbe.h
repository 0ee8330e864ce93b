#pragma once
// Reading the server's certificate from WinHTTP, for the diagnosis after a refused exchange.
#include <windows.h>
#include <winhttp.h>
#include <wincrypt.h>
#include <string>

namespace Quorvane {

// The certificate a request saw, or NULL; the caller frees it.
PCCERT_CONTEXT QueryServerCertificate(HINTERNET request);

// True for the WinHTTP errors that a TLS handshake or certificate failure gives; only these
// can be the certificate's fault.
bool IsSecureFailure(DWORD error);

// Connects once more with certificate errors ignored, only to read the certificate: a HEAD of
// the path in a session of its own (no cookies, no pooled connection shared with the user's
// session), closed before any reply is read. Returns NULL when that fails; the caller frees it.
PCCERT_CONTEXT FetchServerCertificate(const std::wstring& host, int port, const std::wstring& path);

}  // namespace Quorvane
