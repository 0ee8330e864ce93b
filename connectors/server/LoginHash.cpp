#include "connectors/server/LoginHash.h"

#include "connectors/server/Md5.h"
#include "core/TextUtils.h"
#include "json/TextHelpers.h"

namespace Quorvane {

namespace {

const size_t kDigestCapacity = 32;

bool IsAscii(const std::wstring& text)
{
    for (wchar_t c : text)
        if (c >= 0x80)
            return false;
    return true;
}

std::string Md5OfBytes(const std::string& bytes)
{
    return Md5Hex(bytes.data(), bytes.size(), kDigestCapacity);
}

std::string Md5OfUtf16(const std::wstring& text)
{
    return Md5Hex(text.data(), text.size() * sizeof(wchar_t), kDigestCapacity);
}

std::string Ansi(const std::wstring& text)
{
    htmlayout::w2a narrow(text.c_str(), static_cast<int>(text.size()));
    return std::string(narrow.c_str(), narrow.length());
}

std::wstring Wide(const std::string& digits)
{
    htmlayout::a2w wide(digits.c_str(), static_cast<int>(digits.size()));
    return std::wstring(wide.c_str(), wide.length());
}

}  // namespace

std::wstring LoginHash(const std::wstring& userName, const std::wstring& password, const std::wstring& challenge)
{
    // A-Z only, so that Windows, Wine and the server lower-case alike.
    std::wstring lowered = ToLower(userName);
    if (IsAscii(password) && IsAscii(lowered)) {
        std::string first = Md5OfBytes(Ansi(password));
        return Wide(Md5OfBytes(first + Ansi(challenge) + Ansi(lowered)));
    }
    std::wstring first = Wide(Md5OfUtf16(password));
    return Wide(Md5OfUtf16(first + challenge + lowered));
}

}  // namespace Quorvane
