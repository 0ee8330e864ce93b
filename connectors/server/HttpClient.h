#pragma once
// The program's only HTTP transport: one WinHTTP session and connection to the server, one
// synchronous request at a time on the caller's thread. Cookies are WinHTTP's own per-session
// jar, which carries the server's login session from request to request.
#include <string>
#include "connectors/server/HttpTransport.h"
#include "connectors/server/WinHttpHandle.h"

namespace Quorvane {

class HttpClient : public HttpTransport {
public:
    HttpClient();
    ~HttpClient() override;

    // Closes what was open first; false leaves the client closed.
    bool Open(int scheme, const std::wstring& host, int port) override;
    void Close();
    bool IsOpen() const { return m_session.IsSet(); }
    void Reset();

    // A body cut short fails the exchange. Throws InvalidCertificate when the failure came from
    // a server certificate that is not trusted for the host.
    std::wstring SendRequest(const std::wstring& verb, const std::wstring& path, const std::wstring& headers,
                             const std::wstring& body) override;

private:
    HttpClient(const HttpClient&);
    HttpClient& operator=(const HttpClient&);

    void JudgeCertificateOfFailedExchange(HINTERNET request, DWORD error, const std::wstring& path) const;

    WinHttpHandle m_session;
    WinHttpHandle m_connection;
    std::wstring m_host;
    int m_scheme;
    int m_port;
};

}  // namespace Quorvane
