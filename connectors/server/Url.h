#pragma once
// The server address split into what WinHTTP needs.
#include <string>

namespace Quorvane {

class Url {
public:
    Url() : scheme(0), port(0) {}

    // Throws BadURLException when the text does not match, its scheme is not exactly "http" or
    // "https", or its port is not a number up to 65535.
    static Url Parse(const std::wstring& text);

    int scheme;  // HttpClient::SchemeHttp or SchemeHttps
    std::wstring host;
    int port;
    std::wstring path;  // everything after host and port; may be empty
};

}  // namespace Quorvane
