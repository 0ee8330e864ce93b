#include "htmlengine/document/html/Utf8.h"

#include <windows.h>

namespace htmlengine {

std::wstring DecodeUtf8(const unsigned char* bytes, size_t size)
{
    if (size >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
        bytes += 3;
        size -= 3;
    }
    if (size == 0)
        return std::wstring();
    const char* text = reinterpret_cast<const char*>(bytes);
    int length = MultiByteToWideChar(CP_UTF8, 0, text, int(size), nullptr, 0);
    std::wstring wide(size_t(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text, int(size), &wide[0], length);
    return wide;
}

std::string EncodeUtf8(std::wstring_view text)
{
    if (text.empty())
        return std::string();
    int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string narrow(size_t(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), &narrow[0], length, nullptr, nullptr);
    return narrow;
}

}  // namespace htmlengine
