#pragma once
// Reading CSS property values (CSS Values 3): lengths, colours, URLs and keywords, and a
// value cut into its parts.
#include "htmlengine/document/style/ComputedStyle.h"

#include <string>
#include <string_view>
#include <vector>

namespace htmlengine {

// The parts of a value separated by white space; a comma is a part of its own, and text in
// parentheses or quotes stays whole ("rgb(1, 2, 3)", "'Segoe UI'").
std::vector<std::wstring_view> SplitValue(std::wstring_view value);

// What relative units refer to: em the element's font size, rem the root's.
struct LengthContext {
    float fontSize = 12;
    float rootFontSize = 12;
};

// CSS Values 3 §5-6: a number with px, pt, pc, in, cm, mm, em, rem or ex, a percentage
// (when allowed), or 0 and other bare numbers read as pixels (as the pages write them).
bool ParseLength(std::wstring_view text, const LengthContext& context, Length& length, bool allowPercent = true);
// A length, or "auto" when allowed (and "none" for max sizes).
bool ParseLengthOrAuto(std::wstring_view text, const LengthContext& context, Length& length);
bool ParseNumber(std::wstring_view text, float& number);

// CSS Color 3: #rgb, #rrggbb, #rrggbbaa, rgb(), rgba(), the basic and extended names,
// transparent and currentColor (`current`).
bool ParseColor(std::wstring_view text, Color current, Color& color);

// The URL inside url(...), quotes removed; empty for anything else.
std::wstring CssUrl(std::wstring_view value);

bool EqualsKeyword(std::wstring_view text, const wchar_t* keyword);

template <class T>
struct Keyword {
    const wchar_t* name;
    T value;
};

// A keyword of the table, compared without regard to A-Z case.
template <class T, size_t N>
bool ParseKeyword(std::wstring_view text, const Keyword<T> (&table)[N], T& value)
{
    for (const Keyword<T>& keyword : table)
        if (EqualsKeyword(text, keyword.name)) {
            value = keyword.value;
            return true;
        }
    return false;
}

}  // namespace htmlengine
