#include "connectors/server/CertificateProbe.h"

#include "connectors/server/WinHttpHandle.h"
#include "connectors/server/WinHttpSession.h"

namespace Quorvane {

PCCERT_CONTEXT QueryServerCertificate(HINTERNET request)
{
    PCCERT_CONTEXT certificate = NULL;
    DWORD size = sizeof(certificate);
    if (!WinHttpQueryOption(request, WINHTTP_OPTION_SERVER_CERT_CONTEXT, &certificate, &size))
        return NULL;
    return certificate;
}

bool IsSecureFailure(DWORD error)
{
    switch (error) {
    case ERROR_WINHTTP_SECURE_CERT_DATE_INVALID:
    case ERROR_WINHTTP_SECURE_CERT_CN_INVALID:
    case ERROR_WINHTTP_SECURE_INVALID_CA:
    case ERROR_WINHTTP_SECURE_CERT_REV_FAILED:
    case ERROR_WINHTTP_SECURE_CHANNEL_ERROR:
    case ERROR_WINHTTP_SECURE_INVALID_CERT:
    case ERROR_WINHTTP_SECURE_CERT_REVOKED:
    case ERROR_WINHTTP_SECURE_CERT_WRONG_USAGE:
    case ERROR_WINHTTP_SECURE_FAILURE: return true;
    default: return false;
    }
}

PCCERT_CONTEXT FetchServerCertificate(const std::wstring& host, int port, const std::wstring& path)
{
    WinHttpHandle session(OpenWinHttpSession());
    if (!session.IsSet())
        return NULL;
    WinHttpHandle connection(WinHttpConnect(session.Get(), host.c_str(), static_cast<INTERNET_PORT>(port), 0));
    if (!connection.IsSet())
        return NULL;
    WinHttpHandle probe(WinHttpOpenRequest(connection.Get(), L"HEAD", path.c_str(), NULL, WINHTTP_NO_REFERER,
                                           WINHTTP_DEFAULT_ACCEPT_TYPES, WINHTTP_FLAG_SECURE));
    if (!probe.IsSet())
        return NULL;
    DWORD ignore = SECURITY_FLAG_IGNORE_UNKNOWN_CA | SECURITY_FLAG_IGNORE_CERT_DATE_INVALID |
                   SECURITY_FLAG_IGNORE_CERT_CN_INVALID | SECURITY_FLAG_IGNORE_CERT_WRONG_USAGE;
    if (!WinHttpSetOption(probe.Get(), WINHTTP_OPTION_SECURITY_FLAGS, &ignore, sizeof(ignore)))
        return NULL;
    if (!WinHttpSendRequest(probe.Get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0))
        return NULL;
    return QueryServerCertificate(probe.Get());
}

}  // namespace Quorvane
