#pragma once
// What the server connector sends its requests through: WinHTTP (HttpClient) in the program.
// A factory set once lets tests answer the requests in-process instead.
#include <string>
#include <boost/function.hpp>
#include <boost/shared_ptr.hpp>

namespace Quorvane {

class HttpTransport {
public:
    enum Scheme { SchemeHttp = 1, SchemeHttps = 2 };

    virtual ~HttpTransport() {}
    // Closes what was open first; false leaves the transport closed.
    virtual bool Open(int scheme, const std::wstring& host, int port) = 0;
    // The whole reply body of any HTTP status, or "" when the exchange failed in any way.
    virtual std::wstring SendRequest(const std::wstring& verb, const std::wstring& path, const std::wstring& headers,
                                     const std::wstring& body) = 0;
};

typedef boost::function<boost::shared_ptr<HttpTransport>()> HttpTransportFactory;

// An empty factory restores WinHTTP. Set before any connector is made, not while one is in use.
void SetHttpTransportFactory(const HttpTransportFactory& factory);
boost::shared_ptr<HttpTransport> MakeHttpTransport();

}  // namespace Quorvane
