#include "htmlengine/document/html/Entities.h"

#include "htmlengine/value/HexDigit.h"

namespace htmlengine {

namespace {

struct NamedEntity {
    const wchar_t* name;
    wchar_t character;
};

// The names our pages write; other names stay literal text.
const NamedEntity kNamedEntities[] = {
    { L"nbsp", 0xA0 },     { L"lt", L'<' },    { L"gt", L'>' },    { L"amp", L'&' },     { L"quot", L'"' },
    { L"apos", L'\'' },    { L"copy", 0xA9 },  { L"reg", 0xAE },   { L"mdash", 0x2014 }, { L"ndash", 0x2013 },
    { L"hellip", 0x2026 }, { L"laquo", 0xAB }, { L"raquo", 0xBB }, { L"times", 0xD7 },
};

// ASCII only: the C library's classes follow the locale and may take full-width digits.
bool IsDigit(wchar_t c)
{
    return c >= L'0' && c <= L'9';
}

// HTML 13.2.5.75 numeric character reference: "#" digits or "#x" hex digits, then ";".
bool DecodeNumeric(std::wstring_view body, std::wstring& out)
{
    bool hex = body.size() > 1 && (body[1] == L'x' || body[1] == L'X');
    std::wstring_view digits = body.substr(hex ? 2 : 1);
    if (digits.empty() || digits.size() > 8)
        return false;
    unsigned long codePoint = 0;
    for (wchar_t c : digits) {
        int digit = hex ? HexDigitValue(c) : (IsDigit(c) ? c - L'0' : -1);
        if (digit < 0)
            return false;
        codePoint = codePoint * (hex ? 16 : 10) + digit;
    }
    if (codePoint == 0 || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        codePoint = 0xFFFD;
    if (codePoint >= 0x10000) {
        out += wchar_t(0xD800 + ((codePoint - 0x10000) >> 10));
        out += wchar_t(0xDC00 + ((codePoint - 0x10000) & 0x3FF));
    } else {
        out += wchar_t(codePoint);
    }
    return true;
}

bool DecodeNamed(std::wstring_view name, std::wstring& out)
{
    for (const NamedEntity& entity : kNamedEntities)
        if (name == entity.name) {
            out += entity.character;
            return true;
        }
    return false;
}

}  // namespace

std::wstring DecodeEntities(std::wstring_view text)
{
    if (text.find(L'&') == std::wstring_view::npos)
        return std::wstring(text);
    std::wstring out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        size_t semicolon = text[i] == L'&' ? text.find(L';', i + 1) : std::wstring_view::npos;
        if (semicolon != std::wstring_view::npos && semicolon - i <= 10) {
            std::wstring_view body = text.substr(i + 1, semicolon - i - 1);
            bool decoded = !body.empty() && (body[0] == L'#' ? DecodeNumeric(body, out) : DecodeNamed(body, out));
            if (decoded) {
                i = semicolon;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

namespace {

std::wstring Escape(std::wstring_view text, bool quotes)
{
    std::wstring out;
    out.reserve(text.size());
    for (wchar_t c : text) {
        switch (c) {
        case L'&': out += L"&amp;"; break;
        case L'<': out += L"&lt;"; break;
        case L'>': out += L"&gt;"; break;
        case L'"':
            if (quotes) {
                out += L"&quot;";
                break;
            }
            [[fallthrough]];
        default: out += c;
        }
    }
    return out;
}

}  // namespace

std::wstring EscapeText(std::wstring_view text)
{
    return Escape(text, false);
}
std::wstring EscapeAttribute(std::wstring_view text)
{
    return Escape(text, true);
}

}  // namespace htmlengine
