#pragma once
// Judges a server's certificate the way the user would want it judged: a chain to a trusted
// root, valid for server authentication, for that host name, not revoked.
#include <windows.h>
#include <wincrypt.h>
#include <string>

namespace Quorvane {

bool VerifyServerCertificate(PCCERT_CONTEXT certificate, const std::wstring& host);

}  // namespace Quorvane
