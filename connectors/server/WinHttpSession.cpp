#include "connectors/server/WinHttpSession.h"

namespace Quorvane {

HINTERNET OpenWinHttpSession()
{
    return WinHttpOpen(L"Quorvane Pellworth", WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME,
                       WINHTTP_NO_PROXY_BYPASS, 0);
}

}  // namespace Quorvane
