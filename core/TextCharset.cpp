#include "core/TextCharset.h"

#include <algorithm>
#include <vector>

namespace Quorvane {

namespace {

// Languages whose ANSI code page is 1252, sorted for binary search.
const LANGID kWesternLanguages[] = {
    0x0003, 0x0006, 0x0007, 0x0009, 0x000A, 0x000B, 0x000C, 0x000F, 0x0010, 0x0013, 0x0014, 0x0016, 0x0017, 0x001D,
    0x0021, 0x002D, 0x002E, 0x0032, 0x0034, 0x0035, 0x0036, 0x0038, 0x003B, 0x003C, 0x003E, 0x0041, 0x0052, 0x0056,
    0x005F, 0x0062, 0x0064, 0x0068, 0x006A, 0x006B, 0x006C, 0x006E, 0x006F, 0x0070, 0x007A, 0x007C, 0x007E, 0x0082,
    0x0083, 0x0084, 0x0086, 0x0087, 0x0088, 0x0091, 0x0403, 0x0406, 0x0407, 0x0409, 0x040A, 0x040B, 0x040C, 0x040F,
    0x0410, 0x0413, 0x0414, 0x0416, 0x0417, 0x041D, 0x0421, 0x042D, 0x042E, 0x0432, 0x0434, 0x0435, 0x0436, 0x0438,
    0x043B, 0x043E, 0x0441, 0x0452, 0x0456, 0x0462, 0x0464, 0x0468, 0x046A, 0x046B, 0x046C, 0x046E, 0x046F, 0x0470,
    0x047A, 0x047C, 0x047E, 0x0482, 0x0483, 0x0484, 0x0486, 0x0487, 0x0488, 0x0491, 0x0807, 0x0809, 0x080A, 0x080C,
    0x0810, 0x0813, 0x0814, 0x0816, 0x081D, 0x082E, 0x083B, 0x083C, 0x083E, 0x085D, 0x085F, 0x086B, 0x0C07, 0x0C09,
    0x0C0A, 0x0C0C, 0x0C3B, 0x0C6B, 0x1007, 0x1009, 0x100A, 0x100C, 0x103B, 0x1407, 0x1409, 0x140A, 0x140C, 0x143B,
    0x1809, 0x180A, 0x180C, 0x183B, 0x1C09, 0x1C0A, 0x1C3B, 0x2009, 0x200A, 0x203B, 0x2409, 0x240A, 0x243B, 0x2809,
    0x280A, 0x2C09, 0x2C0A, 0x3009, 0x300A, 0x3409, 0x340A, 0x380A, 0x3C0A, 0x4009, 0x400A, 0x4409, 0x440A, 0x4809,
    0x480A, 0x4C0A, 0x500A, 0x703B, 0x743B, 0x7814, 0x783B, 0x7C14, 0x7C2E, 0x7C3B, 0x7C5D, 0x7C5F, 0x7C68,
};

bool HasUnitAtOrAbove(const std::wstring& text, unsigned int limit)
{
    for (size_t i = 0; i < text.size(); ++i) {
        if (static_cast<unsigned int>(text[i]) >= limit)
            return true;
    }
    return false;
}

}  // namespace

SystemLocale CurrentSystemLocale()
{
    SystemLocale locale;
    locale.ansiCodePage = GetACP();
    locale.userLanguage = LANGIDFROMLCID(GetUserDefaultLCID());
    locale.systemLanguage = LANGIDFROMLCID(GetSystemDefaultLCID());
    return locale;
}

bool IsWesternLanguage(LANGID language)
{
    const LANGID* end = kWesternLanguages + sizeof(kWesternLanguages) / sizeof(kWesternLanguages[0]);
    return std::binary_search(kWesternLanguages, end, language);
}

int GetTextCharsetClass(const std::wstring& text)
{
    return GetTextCharsetClass(text, CurrentSystemLocale());
}

int GetTextCharsetClass(const std::wstring& text, const SystemLocale& locale)
{
    if (HasUnitAtOrAbove(text, 256))
        return 2;
    if (locale.ansiCodePage == 1252 && IsWesternLanguage(locale.userLanguage) &&
        IsWesternLanguage(locale.systemLanguage))
        return 0;
    return HasUnitAtOrAbove(text, 128) ? 1 : 0;
}

std::wstring ThroughCodePage1252(const std::wstring& text)
{
    if (!HasUnitAtOrAbove(text, 128))
        return text;
    int length = static_cast<int>(text.size());
    int bytes = WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, text.data(), length, 0, 0, "?", 0);
    std::vector<char> narrow(bytes > 0 ? bytes : 1);
    bytes = WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, text.data(), length, &narrow[0], bytes, "?", 0);
    int units = MultiByteToWideChar(1252, 0, &narrow[0], bytes, 0, 0);
    std::vector<wchar_t> wide(units > 0 ? units : 1);
    units = MultiByteToWideChar(1252, 0, &narrow[0], bytes, &wide[0], units);
    return std::wstring(&wide[0], units > 0 ? units : 0);
}

}  // namespace Quorvane
