#include "connectors/server/HttpClient.h"

#include <string>
#include "connectors/server/CertificateCheck.h"
#include "connectors/server/CertificateContext.h"
#include "connectors/server/CertificateProbe.h"
#include "connectors/server/ServerExceptions.h"
#include "connectors/server/WinHttpSession.h"
#include "core/TextCodec.h"

namespace Quorvane {

namespace {

// The length the server announced, or -1 when it announced none (chunked or close-delimited).
long long AnnouncedLength(HINTERNET request)
{
    DWORD length = 0;
    DWORD size = sizeof(length);
    if (!WinHttpQueryHeaders(request, WINHTTP_QUERY_CONTENT_LENGTH | WINHTTP_QUERY_FLAG_NUMBER,
                             WINHTTP_HEADER_NAME_BY_INDEX, &length, &size, WINHTTP_NO_HEADER_INDEX))
        return -1;
    return length;
}

// Appends exactly the bytes read. Any failure fails the whole exchange: a cut-off reply must
// never pass for a complete one.
bool ReadBodyBytes(HINTERNET request, std::string& bytes)
{
    for (;;) {
        DWORD available = 0;
        if (!WinHttpQueryDataAvailable(request, &available))
            return false;
        if (available == 0)
            return true;
        size_t at = bytes.size();
        bytes.resize(at + available);
        DWORD read = 0;
        if (!WinHttpReadData(request, &bytes[at], available, &read))
            return false;
        bytes.resize(at + read);
    }
}

// Wine's WinHTTP reports a connection dropped mid-body as the end of the body, so the length
// the server announced is checked as well.
bool ReadWholeBody(HINTERNET request, std::string& bytes)
{
    long long announced = AnnouncedLength(request);
    if (!ReadBodyBytes(request, bytes))
        return false;
    return announced < 0 || static_cast<long long>(bytes.size()) == announced;
}

// The body goes with the request as its optional data, never through WinHttpWriteData, so
// that WinHTTP may send headers and body in one write: with the body sent apart, Nagle's
// algorithm holds it until the server acknowledges the headers. (Wine's WinHTTP sends the two
// apart even so.)
bool ExchangeBody(HINTERNET request, const std::wstring& body)
{
    WideToUtf8 bytes(body);
    DWORD length = static_cast<DWORD>(bytes.size());
    void* data = const_cast<char*>(bytes.c_str());
    return WinHttpSendRequest(request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, data, length, length, 0) &&
           WinHttpReceiveResponse(request, NULL);
}

}  // namespace

HttpClient::HttpClient() : m_scheme(SchemeHttp), m_port(0) {}

HttpClient::~HttpClient()
{
    Reset();
}

bool HttpClient::Open(int scheme, const std::wstring& host, int port)
{
    if (IsOpen())
        Close();
    m_session.Reset(OpenWinHttpSession());
    if (!m_session.IsSet())
        return false;
    m_host = host;
    m_scheme = scheme;
    m_port = port;
    m_connection.Reset(WinHttpConnect(m_session.Get(), host.c_str(), static_cast<INTERNET_PORT>(port), 0));
    if (!m_connection.IsSet()) {
        Close();
        return false;
    }
    return true;
}

void HttpClient::Close()
{
    m_connection.Reset();
    m_session.Reset();
}

void HttpClient::Reset()
{
    Close();
    m_host.clear();
}

std::wstring HttpClient::SendRequest(const std::wstring& verb, const std::wstring& path, const std::wstring& headers,
                                     const std::wstring& body)
{
    if (!m_connection.IsSet())
        return std::wstring();
    DWORD flags = m_scheme == SchemeHttps ? WINHTTP_FLAG_SECURE : 0;
    WinHttpHandle request(WinHttpOpenRequest(m_connection.Get(), verb.c_str(), path.c_str(), NULL, WINHTTP_NO_REFERER,
                                             WINHTTP_DEFAULT_ACCEPT_TYPES, flags));
    if (!request.IsSet())
        return std::wstring();
    if (!headers.empty() &&
        !WinHttpAddRequestHeaders(request.Get(), headers.c_str(), static_cast<DWORD>(-1), WINHTTP_ADDREQ_FLAG_ADD))
        return std::wstring();
    if (!ExchangeBody(request.Get(), body)) {
        JudgeCertificateOfFailedExchange(request.Get(), GetLastError(), path);
        return std::wstring();
    }
    std::string bytes;
    if (!ReadWholeBody(request.Get(), bytes))
        return std::wstring();
    Utf8ToWide text(bytes.c_str(), static_cast<int>(bytes.size()));
    return std::wstring(text.c_str(), text.size());
}

// WinHTTP has already refused the exchange; this only tells a bad certificate apart from a
// server that is not there. Only a failure of the secure channel can be the certificate's: a
// connection dropped, refused or timed out after a good handshake is a server that does not
// answer. Wine keeps no certificate after a failed handshake, so then the certificate is
// fetched again without sending anything of the user's.
void HttpClient::JudgeCertificateOfFailedExchange(HINTERNET request, DWORD error, const std::wstring& path) const
{
    if (m_scheme != SchemeHttps || !IsSecureFailure(error))
        return;
    CertificateContext kept(QueryServerCertificate(request));
    CertificateContext fetched(kept.Get() == NULL ? FetchServerCertificate(m_host, m_port, path) : NULL);
    PCCERT_CONTEXT certificate = kept.Get() != NULL ? kept.Get() : fetched.Get();
    if (certificate != NULL && !VerifyServerCertificate(certificate, m_host))
        throw InvalidCertificate();
}

}  // namespace Quorvane
