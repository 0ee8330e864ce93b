#pragma once
// Case folding of A-Z only, so Windows and Wine agree whatever the locale.
#include <string>
#include <string_view>

namespace htmlengine {

inline char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}
inline wchar_t LowerAscii(wchar_t c)
{
    return c >= L'A' && c <= L'Z' ? wchar_t(c - L'A' + L'a') : c;
}

template <class Char>
std::basic_string<Char> ToLowerAscii(std::basic_string_view<Char> text)
{
    std::basic_string<Char> lowered(text);
    for (Char& c : lowered)
        c = LowerAscii(c);
    return lowered;
}

inline std::string ToLowerAscii(const std::string& text)
{
    return ToLowerAscii<char>(text);
}
inline std::wstring ToLowerAscii(const std::wstring& text)
{
    return ToLowerAscii<wchar_t>(text);
}

template <class Char>
bool EqualsNoCase(std::basic_string_view<Char> a, std::basic_string_view<Char> b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

inline bool EqualsNoCase(std::string_view a, std::string_view b)
{
    return EqualsNoCase<char>(a, b);
}
inline bool EqualsNoCase(std::wstring_view a, std::wstring_view b)
{
    return EqualsNoCase<wchar_t>(a, b);
}

inline std::wstring Widen(std::string_view ascii)
{
    return std::wstring(ascii.begin(), ascii.end());
}

}  // namespace htmlengine
