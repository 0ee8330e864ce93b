#pragma once
// The engine's plain text helpers: case folding of A-Z only, so Windows and Wine agree whatever
// the locale, and ASCII between wide and narrow text (names, messages, recordings).
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

inline bool StartsWithNoCase(std::wstring_view text, std::wstring_view prefix)
{
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

inline std::wstring Widen(std::string_view ascii)
{
    return std::wstring(ascii.begin(), ascii.end());
}

// Each unit beyond ASCII becomes "?".
inline std::string Narrow(std::wstring_view text)
{
    std::string narrow;
    narrow.reserve(text.size());
    for (wchar_t c : text)
        narrow += c < 0x80 ? char(c) : '?';
    return narrow;
}

}  // namespace htmlengine
