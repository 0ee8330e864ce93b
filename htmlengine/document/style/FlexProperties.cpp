// The flex subset (CSS Flexbox 1): direction, grow, shrink, basis, justification, alignment
// and gaps; items never wrap.
#include "htmlengine/document/style/StyleProperties.h"

#include <cmath>

namespace htmlengine {

namespace {

const Keyword<FlexDirection> kDirections[] = { { L"row", FlexDirection::Row },
                                               { L"row-reverse", FlexDirection::RowReverse },
                                               { L"column", FlexDirection::Column },
                                               { L"column-reverse", FlexDirection::ColumnReverse } };
const Keyword<JustifyContent> kJustifications[] = { { L"flex-start", JustifyContent::FlexStart },
                                                    { L"start", JustifyContent::FlexStart },
                                                    { L"left", JustifyContent::FlexStart },
                                                    { L"normal", JustifyContent::FlexStart },
                                                    { L"flex-end", JustifyContent::FlexEnd },
                                                    { L"end", JustifyContent::FlexEnd },
                                                    { L"right", JustifyContent::FlexEnd },
                                                    { L"center", JustifyContent::Center },
                                                    { L"space-between", JustifyContent::SpaceBetween },
                                                    { L"space-around", JustifyContent::SpaceAround },
                                                    { L"space-evenly", JustifyContent::SpaceEvenly } };
const Keyword<AlignItems> kAlignments[] = {
    { L"auto", AlignItems::Auto },        { L"normal", AlignItems::Stretch },
    { L"stretch", AlignItems::Stretch },  { L"flex-start", AlignItems::FlexStart },
    { L"start", AlignItems::FlexStart },  { L"flex-end", AlignItems::FlexEnd },
    { L"end", AlignItems::FlexEnd },      { L"center", AlignItems::Center },
    { L"baseline", AlignItems::Baseline }
};

bool ReadFactor(std::wstring_view part, float& factor)
{
    float number = 0;
    if (!ParseNumber(part, number) || number < 0)
        return false;
    factor = number;
    return true;
}

bool ApplyGrow(ComputedStyle& style, std::wstring_view value, const PropertyContext&)
{
    return ReadFactor(value, style.flexGrow);
}

bool ApplyShrink(ComputedStyle& style, std::wstring_view value, const PropertyContext&)
{
    return ReadFactor(value, style.flexShrink);
}

bool ApplyBasis(ComputedStyle& style, std::wstring_view value, const PropertyContext& context)
{
    if (EqualsKeyword(value, L"content")) {
        style.flexBasis = Length();
        return true;
    }
    return ParseLengthOrAuto(value, context.lengths, style.flexBasis) && style.flexBasis.value >= 0;
}

// CSS Flexbox 1 §7.2: none, auto, or grow [shrink] [basis] (a lone number means basis 0).
bool ApplyFlex(ComputedStyle& style, std::wstring_view value, const PropertyContext& context)
{
    if (EqualsKeyword(value, L"none") || EqualsKeyword(value, L"auto")) {
        bool none = EqualsKeyword(value, L"none");
        style.flexGrow = none ? 0 : 1;
        style.flexShrink = none ? 0 : 1;
        style.flexBasis = Length();
        return true;
    }
    std::vector<std::wstring_view> parts = SplitValue(value);
    if (parts.empty() || parts.size() > 3)
        return false;
    float grow = 0, shrink = 1;
    Length basis = Length::Px(0);
    size_t i = 0;
    if (!ReadFactor(parts[i], grow))
        return false;
    if (++i < parts.size() && ReadFactor(parts[i], shrink))
        ++i;
    if (i < parts.size() && !ParseLengthOrAuto(parts[i++], context.lengths, basis))
        return false;
    if (i != parts.size())
        return false;
    style.flexGrow = grow;
    style.flexShrink = shrink;
    style.flexBasis = basis;
    return true;
}

void CopyFlex(ComputedStyle& to, const ComputedStyle& from)
{
    to.flexGrow = from.flexGrow;
    to.flexShrink = from.flexShrink;
    to.flexBasis = from.flexBasis;
}

// Only "nowrap" is laid out; "wrap" is not read, so it is logged.
bool ApplyWrap(ComputedStyle&, std::wstring_view value, const PropertyContext&)
{
    return EqualsKeyword(value, L"nowrap");
}

bool ApplyFlow(ComputedStyle& style, std::wstring_view value, const PropertyContext& context)
{
    for (std::wstring_view part : SplitValue(value))
        if (!ParseKeyword(part, kDirections, style.flexDirection) && !ApplyWrap(style, part, context))
            return false;
    return true;
}

bool ReadGap(std::wstring_view part, const PropertyContext& context, int& gap)
{
    Length length;
    if (EqualsKeyword(part, L"normal")) {
        gap = 0;
        return true;
    }
    if (!ParseLength(part, context.lengths, length, false) || length.value < 0)
        return false;
    gap = int(std::lround(length.value));
    return true;
}

bool ApplyGap(ComputedStyle& style, std::wstring_view value, const PropertyContext& context)
{
    std::vector<std::wstring_view> parts = SplitValue(value);
    return (parts.size() == 1 || parts.size() == 2) && ReadGap(parts[0], context, style.rowGap) &&
           ReadGap(parts.back(), context, style.columnGap);
}

bool ApplyRowGap(ComputedStyle& style, std::wstring_view value, const PropertyContext& context)
{
    return ReadGap(value, context, style.rowGap);
}

bool ApplyColumnGap(ComputedStyle& style, std::wstring_view value, const PropertyContext& context)
{
    return ReadGap(value, context, style.columnGap);
}

void CopyGaps(ComputedStyle& to, const ComputedStyle& from)
{
    to.rowGap = from.rowGap;
    to.columnGap = from.columnGap;
}

void CopyNothing(ComputedStyle&, const ComputedStyle&) {}

}  // namespace

void AddFlexProperties(std::vector<PropertyDefinition>& table)
{
    table.push_back(KeywordProperty<FlexDirection, &ComputedStyle::flexDirection, std::size(kDirections), kDirections>(
        "flex-direction"));
    table.push_back({ "flex-wrap", &ApplyWrap, &CopyNothing });
    table.push_back({ "flex-flow", &ApplyFlow, &CopyField<FlexDirection, &ComputedStyle::flexDirection> });
    table.push_back({ "flex", &ApplyFlex, &CopyFlex });
    table.push_back({ "flex-grow", &ApplyGrow, &CopyField<float, &ComputedStyle::flexGrow> });
    table.push_back({ "flex-shrink", &ApplyShrink, &CopyField<float, &ComputedStyle::flexShrink> });
    table.push_back({ "flex-basis", &ApplyBasis, &CopyField<Length, &ComputedStyle::flexBasis> });
    table.push_back(
        KeywordProperty<JustifyContent, &ComputedStyle::justifyContent, std::size(kJustifications), kJustifications>(
            "justify-content"));
    table.push_back(
        KeywordProperty<AlignItems, &ComputedStyle::alignItems, std::size(kAlignments), kAlignments>("align-items"));
    table.push_back(
        KeywordProperty<AlignItems, &ComputedStyle::alignSelf, std::size(kAlignments), kAlignments>("align-self"));
    table.push_back({ "gap", &ApplyGap, &CopyGaps });
    table.push_back({ "row-gap", &ApplyRowGap, &CopyField<int, &ComputedStyle::rowGap> });
    table.push_back({ "column-gap", &ApplyColumnGap, &CopyField<int, &ComputedStyle::columnGap> });
}

}  // namespace htmlengine
