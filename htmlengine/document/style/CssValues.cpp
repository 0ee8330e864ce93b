#include "htmlengine/document/style/CssValues.h"

#include "htmlengine/document/dom/AsciiCase.h"
#include "htmlengine/value/HexDigit.h"

#include <cmath>
#include <cwchar>

namespace htmlengine {

namespace {

bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\f';
}

struct Unit {
    const wchar_t* name;
    float pixels;  // per unit; 0 for the font-relative ones
};

// CSS Values 3 §6.2: absolute units at 96 pixels per inch.
const Unit kUnits[] = { { L"px", 1 },
                        { L"pt", 96.0f / 72 },
                        { L"pc", 16 },
                        { L"in", 96 },
                        { L"cm", 96.0f / 2.54f },
                        { L"mm", 96.0f / 25.4f },
                        { L"em", 0 },
                        { L"rem", 0 },
                        { L"ex", 0 } };

struct NamedColor {
    const wchar_t* name;
    unsigned rgb;
};

const NamedColor kColors[] = {
    { L"black", 0x000000 },
    { L"silver", 0xC0C0C0 },
    { L"gray", 0x808080 },
    { L"grey", 0x808080 },
    { L"white", 0xFFFFFF },
    { L"maroon", 0x800000 },
    { L"red", 0xFF0000 },
    { L"purple", 0x800080 },
    { L"fuchsia", 0xFF00FF },
    { L"green", 0x008000 },
    { L"lime", 0x00FF00 },
    { L"olive", 0x808000 },
    { L"yellow", 0xFFFF00 },
    { L"navy", 0x000080 },
    { L"blue", 0x0000FF },
    { L"teal", 0x008080 },
    { L"aqua", 0x00FFFF },
    { L"orange", 0xFFA500 },
    { L"darkgray", 0xA9A9A9 },
    { L"darkgrey", 0xA9A9A9 },
    { L"lightgray", 0xD3D3D3 },
    { L"lightgrey", 0xD3D3D3 },
    { L"dimgray", 0x696969 },
    { L"whitesmoke", 0xF5F5F5 },
    { L"gainsboro", 0xDCDCDC },
    { L"darkred", 0x8B0000 },
    { L"darkgreen", 0x006400 },
    { L"darkblue", 0x00008B },
    { L"lightyellow", 0xFFFFE0 },
    { L"lightblue", 0xADD8E6 },
    { L"pink", 0xFFC0CB },
    { L"brown", 0xA52A2A },
    { L"gold", 0xFFD700 },
    { L"beige", 0xF5F5DC },
    { L"ivory", 0xFFFFF0 },
    { L"steelblue", 0x4682B4 },
    { L"windowtext", 0x000000 },
    { L"window", 0xFFFFFF },
    { L"buttonface", 0xF0F0F0 },
    { L"graytext", 0x6D6D6D },
    { L"highlight", 0x3399FF },
    { L"highlighttext", 0xFFFFFF },
    { L"infobackground", 0xFFFFE1 },
};

Color FromRgb(unsigned rgb)
{
    return { uint8_t(rgb >> 16), uint8_t(rgb >> 8), uint8_t(rgb), 255 };
}

bool ParseHexColor(std::wstring_view hex, Color& color)
{
    for (wchar_t c : hex)
        if (HexDigitValue(c) < 0)
            return false;
    auto pair = [&](size_t i) { return uint8_t(HexDigitValue(hex[i]) * 16 + HexDigitValue(hex[i + 1])); };
    auto single = [&](size_t i) { return uint8_t(HexDigitValue(hex[i]) * 17); };
    if (hex.size() == 3 || hex.size() == 4) {
        color = { single(0), single(1), single(2), hex.size() == 4 ? single(3) : uint8_t(255) };
        return true;
    }
    if (hex.size() == 6 || hex.size() == 8) {
        color = { pair(0), pair(2), pair(4), hex.size() == 8 ? pair(6) : uint8_t(255) };
        return true;
    }
    return false;
}

// One channel of rgb(): 0-255 or a percentage; alpha: 0-1.
bool ParseChannel(std::wstring_view text, bool alpha, uint8_t& channel)
{
    bool percent = !text.empty() && text.back() == L'%';
    float number = 0;
    if (!ParseNumber(percent ? text.substr(0, text.size() - 1) : text, number))
        return false;
    float scale = alpha ? (percent ? 2.55f : 255.0f) : (percent ? 2.55f : 1.0f);
    channel = uint8_t(std::lround(std::fmin(255.0f, std::fmax(0.0f, number * scale))));
    return true;
}

bool ParseRgbFunction(std::wstring_view text, Color& color)
{
    size_t open = text.find(L'(');
    if (open == std::wstring_view::npos || text.back() != L')')
        return false;
    std::wstring_view name = text.substr(0, open);
    if (!EqualsNoCase(name, L"rgb") && !EqualsNoCase(name, L"rgba"))
        return false;
    std::vector<std::wstring_view> channels;
    for (std::wstring_view part : SplitValue(text.substr(open + 1, text.size() - open - 2)))
        if (part != L"," && part != L"/")
            channels.push_back(part);
    if (channels.size() != 3 && channels.size() != 4)
        return false;
    color.a = 255;
    return ParseChannel(channels[0], false, color.r) && ParseChannel(channels[1], false, color.g) &&
           ParseChannel(channels[2], false, color.b) &&
           (channels.size() == 3 || ParseChannel(channels[3], true, color.a));
}

}  // namespace

bool EqualsKeyword(std::wstring_view text, const wchar_t* keyword)
{
    return EqualsNoCase(text, keyword);
}

std::vector<std::wstring_view> SplitValue(std::wstring_view value)
{
    std::vector<std::wstring_view> parts;
    size_t i = 0;
    while (i < value.size()) {
        if (IsBlank(value[i])) {
            ++i;
            continue;
        }
        if (value[i] == L',' || value[i] == L'/') {
            parts.push_back(value.substr(i++, 1));
            continue;
        }
        size_t start = i;
        int depth = 0;
        wchar_t quote = 0;
        for (; i < value.size(); ++i) {
            wchar_t c = value[i];
            if (quote) {
                if (c == quote)
                    quote = 0;
            } else if (c == L'"' || c == L'\'') {
                quote = c;
            } else if (c == L'(') {
                ++depth;
            } else if (c == L')') {
                if (depth > 0)
                    --depth;
            } else if (depth == 0 && (IsBlank(c) || c == L',' || c == L'/')) {
                break;
            }
        }
        parts.push_back(value.substr(start, i - start));
    }
    return parts;
}

bool ParseNumber(std::wstring_view text, float& number)
{
    if (text.empty() || text.size() > 40)
        return false;
    std::wstring copy(text);
    wchar_t* end = nullptr;
    double value = std::wcstod(copy.c_str(), &end);
    if (end != copy.c_str() + copy.size() || !std::isfinite(value))
        return false;
    number = float(std::fmax(-1e6, std::fmin(1e6, value)));
    return true;
}

bool ParseLength(std::wstring_view text, const LengthContext& context, Length& length, bool allowPercent)
{
    if (text.empty())
        return false;
    if (text.back() == L'%') {
        float number = 0;
        if (!allowPercent || !ParseNumber(text.substr(0, text.size() - 1), number))
            return false;
        length = Length::Percent(number);
        return true;
    }
    size_t unitStart = text.size();
    while (unitStart > 0 && ((text[unitStart - 1] >= L'a' && text[unitStart - 1] <= L'z') ||
                             (text[unitStart - 1] >= L'A' && text[unitStart - 1] <= L'Z')))
        --unitStart;
    float number = 0;
    if (!ParseNumber(text.substr(0, unitStart), number))
        return false;
    std::wstring_view unit = text.substr(unitStart);
    if (unit.empty()) {
        length = Length::Px(number);
        return true;
    }
    for (const Unit& known : kUnits) {
        if (!EqualsNoCase(unit, known.name))
            continue;
        float pixels = known.pixels;
        if (pixels == 0)
            pixels = known.name[0] == L'r'   ? context.rootFontSize
                     : known.name[1] == L'x' ? context.fontSize / 2
                                             : context.fontSize;
        length = Length::Px(number * pixels);
        return true;
    }
    return false;
}

bool ParseLengthOrAuto(std::wstring_view text, const LengthContext& context, Length& length)
{
    if (EqualsNoCase(text, L"auto") || EqualsNoCase(text, L"none")) {
        length = Length();
        return true;
    }
    return ParseLength(text, context, length);
}

bool ParseColor(std::wstring_view text, Color current, Color& color)
{
    if (text.empty())
        return false;
    if (text[0] == L'#')
        return ParseHexColor(text.substr(1), color);
    if (text.find(L'(') != std::wstring_view::npos)
        return ParseRgbFunction(text, color);
    if (EqualsNoCase(text, L"transparent")) {
        color = Color();
        return true;
    }
    if (EqualsNoCase(text, L"currentcolor")) {
        color = current;
        return true;
    }
    for (const NamedColor& named : kColors)
        if (EqualsNoCase(text, named.name)) {
            color = FromRgb(named.rgb);
            return true;
        }
    return false;
}

std::wstring CssUrl(std::wstring_view value)
{
    if (value.size() < 5 || !EqualsNoCase(value.substr(0, 4), L"url(") || value.back() != L')')
        return std::wstring();
    std::wstring_view url = value.substr(4, value.size() - 5);
    while (!url.empty() && IsBlank(url.front()))
        url.remove_prefix(1);
    while (!url.empty() && IsBlank(url.back()))
        url.remove_suffix(1);
    if (url.size() >= 2 && (url[0] == L'\'' || url[0] == L'"') && url.back() == url[0])
        url = url.substr(1, url.size() - 2);
    return std::wstring(url);
}

}  // namespace htmlengine
