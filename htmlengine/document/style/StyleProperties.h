#pragma once
// The CSS properties the engine lays out and paints: how each reads its value into the
// typed style, and which fields "inherit" and "initial" copy.
#include "htmlengine/document/style/ComputedStyle.h"
#include "htmlengine/document/style/CssValues.h"

#include <string>
#include <string_view>
#include <vector>

namespace htmlengine {

// A border or outline width not declared yet is "medium"; resolved when the style is done.
constexpr int kMediumBorderWidth = -1;

struct PropertyContext {
    const ComputedStyle& parent;
    LengthContext lengths;  // em: the element's own font size, once the font is known
};

struct PropertyDefinition {
    const char* name;
    // False when the value cannot be read (the style stays as it was).
    bool (*apply)(ComputedStyle& style, std::wstring_view value, const PropertyContext& context);
    // Copies the fields the property sets (for "inherit" and "initial").
    void (*copy)(ComputedStyle& to, const ComputedStyle& from);
};

// Null for a property the engine does not lay out or paint.
const PropertyDefinition* FindProperty(const std::string& name);
// Font properties are applied first: em in every other property refers to the result.
bool IsFontProperty(const std::string& name);
// A property the engine reads: one it lays out or paints, or one of its own switches.
bool IsKnownProperty(const std::string& name);
// Properties that are no style at all for layout and painting: page scripts ("on-...") and
// the engine's own switches read elsewhere.
bool IsNonVisualProperty(const std::string& name);

// The keyword the border and outline properties read as this style.
const wchar_t* BorderStyleName(BorderStyle style);

// The tables, one per group of properties.
void AddBoxProperties(std::vector<PropertyDefinition>& table);
void AddBorderProperties(std::vector<PropertyDefinition>& table);
void AddBackgroundProperties(std::vector<PropertyDefinition>& table);
void AddTextProperties(std::vector<PropertyDefinition>& table);
void AddFlexProperties(std::vector<PropertyDefinition>& table);

// Field helpers the tables share.
template <class T, T ComputedStyle::*Field>
void CopyField(ComputedStyle& to, const ComputedStyle& from)
{
    to.*Field = from.*Field;
}

template <class T, size_t N, T (ComputedStyle::*Field)[N]>
void CopyArray(ComputedStyle& to, const ComputedStyle& from)
{
    for (size_t i = 0; i < N; ++i)
        (to.*Field)[i] = (from.*Field)[i];
}

// A property that is one keyword of a table, stored in one field.
template <class T, T ComputedStyle::*Field, size_t N, const Keyword<T> (&Table)[N]>
bool ApplyKeyword(ComputedStyle& style, std::wstring_view value, const PropertyContext&)
{
    return ParseKeyword(value, Table, style.*Field);
}

template <class T, T ComputedStyle::*Field, size_t N, const Keyword<T> (&Table)[N]>
PropertyDefinition KeywordProperty(const char* name)
{
    return { name, &ApplyKeyword<T, Field, N, Table>, &CopyField<T, Field> };
}

// 1 to 4 values for top, right, bottom, left (CSS Backgrounds 3 §4.1 shorthand order).
template <class T, class Read>
bool ReadFourSides(std::wstring_view value, T (&sides)[4], Read read)
{
    std::vector<std::wstring_view> parts = SplitValue(value);
    if (parts.empty() || parts.size() > 4)
        return false;
    T read4[4];
    for (size_t i = 0; i < parts.size(); ++i)
        if (!read(parts[i], read4[i]))
            return false;
    static const int kFrom[4][4] = { { 0, 0, 0, 0 }, { 0, 1, 0, 1 }, { 0, 1, 2, 1 }, { 0, 1, 2, 3 } };
    for (int side = 0; side < 4; ++side)
        sides[side] = read4[kFrom[parts.size() - 1][side]];
    return true;
}

}  // namespace htmlengine
