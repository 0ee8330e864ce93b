#include "core/TextUtils.h"

#include <cstdlib>
#include <cwchar>

namespace Quorvane {

namespace {

wchar_t LowerLetter(wchar_t character)
{
    return character >= L'A' && character <= L'Z' ? static_cast<wchar_t>(character - L'A' + L'a') : character;
}

struct Fold {
    wchar_t character;
    const wchar_t* replacement;
};

// In the order of the characters' code values.
const Fold kTypographicFolds[] = {
    { 0x0152, L"OE" }, { 0x0153, L"oe" }, { 0x0178, L"Y" },  { 0x2013, L"-" },      { 0x2014, L"-" },
    { 0x2018, L"'" },  { 0x2019, L"'" },  { 0x201A, L"'" },  { 0x201B, L"'" },      { 0x201C, L"\"" },
    { 0x201D, L"\"" }, { 0x201E, L"\"" }, { 0x201F, L"\"" }, { 0x2039, L"\x00AB" }, { 0x203A, L"\x00BB" },
};

const wchar_t* FileNameEscape(wchar_t character)
{
    switch (character) {
    case L'<': return L"%3C";
    case L'>': return L"%3E";
    case L':': return L"%3A";
    case L'"': return L"%22";
    case L'/': return L"%2F";
    case L'\\': return L"%5C";
    case L'|': return L"%7C";
    case L'?': return L"%3F";
    case L'*': return L"%2A";
    default: return 0;
    }
}

std::wstring PercentCode(wchar_t character)
{
    wchar_t code[8];
    swprintf(code, sizeof(code) / sizeof(code[0]), L"%%%02X", static_cast<unsigned int>(character));
    return code;
}

// CON, PRN, AUX, NUL, COM1-9 and LPT1-9 open a device on Windows, whatever the extension.
bool IsReservedDeviceName(const std::wstring& text)
{
    std::wstring base = ToLower(TrimRight(text.substr(0, text.find(L'.'))));
    if (base == L"con" || base == L"prn" || base == L"aux" || base == L"nul")
        return true;
    return base.size() == 4 && (base.compare(0, 3, L"com") == 0 || base.compare(0, 3, L"lpt") == 0) &&
           base[3] >= L'1' && base[3] <= L'9';
}

}  // namespace

void QBTransliterate(std::wstring& text)
{
    for (size_t i = 0; i < sizeof(kTypographicFolds) / sizeof(kTypographicFolds[0]); ++i)
        text = ReplaceAll(text, std::wstring(1, kTypographicFolds[i].character), kTypographicFolds[i].replacement);
}

std::wstring EscapeFileName(const std::wstring& text)
{
    std::wstring escaped;
    escaped.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const wchar_t* code = FileNameEscape(text[i]);
        if (code)
            escaped += code;
        else if (text[i] < 0x20 || (i == 0 && IsReservedDeviceName(text)))
            escaped += PercentCode(text[i]);
        else
            escaped += text[i];
    }
    return escaped;
}

std::wstring TrimLeft(const std::wstring& text)
{
    size_t first = text.find_first_not_of(L' ');
    return first == std::wstring::npos ? std::wstring() : text.substr(first);
}

std::wstring TrimRight(const std::wstring& text)
{
    size_t last = text.find_last_not_of(L' ');
    return last == std::wstring::npos ? std::wstring() : text.substr(0, last + 1);
}

std::wstring Trim(const std::wstring& text)
{
    return TrimLeft(TrimRight(text));
}

std::wstring NormalizeFullName(const std::wstring& text)
{
    std::wstring joined;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(L':', start);
        if (end == std::wstring::npos)
            end = text.size();
        std::wstring part = Trim(text.substr(start, end - start));
        if (!part.empty())
            joined += (joined.empty() ? L"" : L":") + part;
        start = end + 1;
    }
    return joined;
}

std::wstring ReplaceAll(const std::wstring& text, const std::wstring& pattern, const std::wstring& replacement)
{
    if (text.empty() || pattern.empty())
        return text;
    std::wstring result = text;
    size_t at = 0;
    while ((at = result.find(pattern, at)) != std::wstring::npos) {
        result.replace(at, pattern.size(), replacement);
        at += replacement.size();
    }
    return result;
}

std::wstring ToLower(const std::wstring& text)
{
    std::wstring lowered = text;
    for (size_t i = 0; i < lowered.size(); ++i)
        lowered[i] = LowerLetter(lowered[i]);
    return lowered;
}

bool EqualsIgnoringCase(const std::wstring& one, const std::wstring& other)
{
    if (one.size() != other.size())
        return false;
    for (size_t i = 0; i < one.size(); ++i) {
        if (LowerLetter(one[i]) != LowerLetter(other[i]))
            return false;
    }
    return true;
}

std::wstring FormatMinutes(int minutes, const std::wstring& zeroText)
{
    if (minutes == 0)
        return zeroText;
    long long magnitude = std::llabs(static_cast<long long>(minutes));
    wchar_t text[32];
    swprintf(text, sizeof(text) / sizeof(text[0]), L"%ls%lld:%02lld", minutes < 0 ? L"-" : L"", magnitude / 60,
             magnitude % 60);
    return text;
}

std::wstring TruncateWithEllipsis(const std::wstring& text, int maxLength)
{
    if (maxLength <= 0 || text.size() <= static_cast<size_t>(maxLength))
        return text;
    size_t kept = text.size() == static_cast<size_t>(maxLength) + 1 ? maxLength - 1 : maxLength;
    return text.substr(0, kept) + L"...";
}

bool StartsWith(std::wstring_view text, std::wstring_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

bool StartsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

}  // namespace Quorvane
