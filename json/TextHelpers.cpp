#include "json/TextHelpers.h"

#include <windows.h>

#include <cwchar>

namespace htmlayout {

int AnsiToWide(const char* text, int length, wchar_t* output, int capacity)
{
    return MultiByteToWideChar(CP_THREAD_ACP, 0, text, length, output, capacity);
}

int WideToAnsi(const wchar_t* text, int length, char* output, int capacity)
{
    return WideCharToMultiByte(CP_ACP, 0, text, length, output, capacity, nullptr, nullptr);
}

int wtoi(const wchar_t* text, int default_value)
{
    if (!text)
        return default_value;
    wchar_t* end = nullptr;
    long number = std::wcstol(text, &end, 10);
    return end == text ? default_value : static_cast<int>(number);
}

bool streq(const char* a, const char* b)
{
    return a && b && std::strcmp(a, b) == 0;
}

bool wcseq(const wchar_t* a, const wchar_t* b)
{
    return a && b && std::wcscmp(a, b) == 0;
}

}  // namespace htmlayout
