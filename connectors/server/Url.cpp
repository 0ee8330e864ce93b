#include "connectors/server/Url.h"

// Boost leaves its Win32 traits out of the GCC configuration, so the default wide traits serve;
// the pattern's classes decide nothing that the port check below does not check again.
#include <boost/regex.hpp>
#include "connectors/server/HttpClient.h"
#include "connectors/server/ServerExceptions.h"

namespace Quorvane {

namespace {

typedef boost::wregex WideRegex;
typedef boost::wsmatch WideMatch;

const int kLargestPort = 65535;

int ParseScheme(const std::wstring& scheme)
{
    if (scheme == L"http")
        return HttpClient::SchemeHttp;
    if (scheme == L"https")
        return HttpClient::SchemeHttps;
    throw BadURLException();
}

// WinHTTP takes the port as 16 bits, so a larger number would silently reach another port;
// and a digit outside ASCII, which the pattern's \d admits, is no port either.
int ParsePort(const std::wstring& digits)
{
    int port = 0;
    for (size_t at = 0; at < digits.size(); ++at) {
        if (digits[at] < L'0' || digits[at] > L'9')
            throw BadURLException();
        port = port * 10 + (digits[at] - L'0');
        if (port > kLargestPort)
            throw BadURLException();
    }
    return port;
}

int DefaultPort(int scheme)
{
    return scheme == HttpClient::SchemeHttps ? 443 : 80;
}

}  // namespace

Url Url::Parse(const std::wstring& text)
{
    std::wstring address = text;
    if (address.size() > 1 && address[address.size() - 1] == L'\\')
        address.erase(address.size() - 1);
    static const WideRegex pattern(L"^(?:([^:/?#]+)://)?(\\w+[^/?#:]*)(?::(\\d+))?(.+)?");
    WideMatch groups;
    if (!boost::regex_search(address, groups, pattern))
        throw BadURLException();
    Url url;
    url.scheme = ParseScheme(groups.str(1));
    url.host = groups.str(2);
    url.port = groups[3].matched ? ParsePort(groups.str(3)) : DefaultPort(url.scheme);
    url.path = groups.str(4);
    return url;
}

}  // namespace Quorvane
