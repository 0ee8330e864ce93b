#include "core/SystemMessage.h"

namespace Quorvane {

std::wstring SystemMessage(DWORD error)
{
    wchar_t* buffer = NULL;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       NULL, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, NULL);
    std::wstring text(buffer ? buffer : L"", length);
    LocalFree(buffer);
    while (!text.empty() &&
           (text[text.size() - 1] == L'\n' || text[text.size() - 1] == L'\r' || text[text.size() - 1] == L' '))
        text.erase(text.size() - 1);
    return text.empty() ? L"Windows error " + std::to_wstring(error) : text;
}

}  // namespace Quorvane
