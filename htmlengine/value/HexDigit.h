#pragma once
// The value of an ASCII hex digit, or -1: JSON escapes, CSS colours and HTML character references
// all read them, and none may take the locale's other digits.
namespace htmlengine {

inline int HexDigitValue(wchar_t c)
{
    if (c >= L'0' && c <= L'9')
        return c - L'0';
    if (c >= L'a' && c <= L'f')
        return c - L'a' + 10;
    if (c >= L'A' && c <= L'F')
        return c - L'A' + 10;
    return -1;
}

}  // namespace htmlengine
