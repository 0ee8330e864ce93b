// Backgrounds (CSS Backgrounds 3 §3): colour, one image, its repeat and its position.
#include "htmlengine/document/style/StyleProperties.h"

namespace htmlengine {

namespace {

const Keyword<BackgroundRepeat> kRepeats[] = { { L"repeat", BackgroundRepeat::Repeat },
                                               { L"repeat-x", BackgroundRepeat::RepeatX },
                                               { L"repeat-y", BackgroundRepeat::RepeatY },
                                               { L"no-repeat", BackgroundRepeat::NoRepeat } };

enum class Axis { Either, X, Y };

struct PositionWord {
    const wchar_t* name;
    float percent;
    Axis axis;
};

const PositionWord kPositionWords[] = { { L"left", 0, Axis::X },
                                        { L"right", 100, Axis::X },
                                        { L"top", 0, Axis::Y },
                                        { L"bottom", 100, Axis::Y },
                                        { L"center", 50, Axis::Either } };

bool ReadPositionPart(std::wstring_view part, const PropertyContext& context, Length& length, Axis& axis)
{
    for (const PositionWord& word : kPositionWords)
        if (EqualsKeyword(part, word.name)) {
            length = Length::Percent(word.percent);
            axis = word.axis;
            return true;
        }
    axis = Axis::Either;
    return ParseLength(part, context.lengths, length);
}

// One or two parts; keywords may come in either order ("top right").
bool ReadPosition(const std::vector<std::wstring_view>& parts, const PropertyContext& context, Length& x, Length& y)
{
    if (parts.empty() || parts.size() > 2)
        return false;
    Length first, second = Length::Percent(50);
    Axis firstAxis, secondAxis = Axis::Either;
    if (!ReadPositionPart(parts[0], context, first, firstAxis))
        return false;
    if (parts.size() == 2 && !ReadPositionPart(parts[1], context, second, secondAxis))
        return false;
    bool swapped = firstAxis == Axis::Y || secondAxis == Axis::X;
    if (firstAxis != Axis::Either && firstAxis == secondAxis)
        return false;
    x = swapped ? second : first;
    y = swapped ? first : second;
    return true;
}

bool ApplyPosition(ComputedStyle& style, std::wstring_view value, const PropertyContext& context)
{
    return ReadPosition(SplitValue(value), context, style.backgroundPositionX, style.backgroundPositionY);
}

void CopyPosition(ComputedStyle& to, const ComputedStyle& from)
{
    to.backgroundPositionX = from.backgroundPositionX;
    to.backgroundPositionY = from.backgroundPositionY;
}

bool ReadImage(std::wstring_view part, std::wstring& url)
{
    if (EqualsKeyword(part, L"none")) {
        url.clear();
        return true;
    }
    url = CssUrl(part);
    return !url.empty();
}

bool ApplyImage(ComputedStyle& style, std::wstring_view value, const PropertyContext&)
{
    return ReadImage(value, style.backgroundImage);
}

bool ApplyColor(ComputedStyle& style, std::wstring_view value, const PropertyContext&)
{
    return ParseColor(value, style.color, style.backgroundColor);
}

bool ApplyRepeat(ComputedStyle& style, std::wstring_view value, const PropertyContext&)
{
    return ParseKeyword(value, kRepeats, style.backgroundRepeat);
}

// "background: #fff url(x.png) no-repeat right top": each part is a colour, the image, the
// repeat or part of the position; what is left out takes its initial value.
bool ApplyBackground(ComputedStyle& style, std::wstring_view value, const PropertyContext& context)
{
    ComputedStyle initial;
    Color color = initial.backgroundColor;
    std::wstring image;
    BackgroundRepeat repeat = initial.backgroundRepeat;
    std::vector<std::wstring_view> position;
    for (std::wstring_view part : SplitValue(value)) {
        if (ParseKeyword(part, kRepeats, repeat) || ParseColor(part, style.color, color))
            continue;
        if (part.size() > 4 && EqualsKeyword(part.substr(0, 4), L"url(")) {
            if (!ReadImage(part, image))
                return false;
            continue;
        }
        if (EqualsKeyword(part, L"none") || EqualsKeyword(part, L"scroll") || EqualsKeyword(part, L"fixed"))
            continue;
        position.push_back(part);
    }
    Length x = initial.backgroundPositionX, y = initial.backgroundPositionY;
    if (!position.empty() && !ReadPosition(position, context, x, y))
        return false;
    style.backgroundColor = color;
    style.backgroundImage = image;
    style.backgroundRepeat = repeat;
    style.backgroundPositionX = x;
    style.backgroundPositionY = y;
    return true;
}

void CopyBackground(ComputedStyle& to, const ComputedStyle& from)
{
    to.backgroundColor = from.backgroundColor;
    to.backgroundImage = from.backgroundImage;
    to.backgroundRepeat = from.backgroundRepeat;
    CopyPosition(to, from);
}

}  // namespace

void AddBackgroundProperties(std::vector<PropertyDefinition>& table)
{
    table.push_back({ "background", &ApplyBackground, &CopyBackground });
    table.push_back({ "background-color", &ApplyColor, &CopyField<Color, &ComputedStyle::backgroundColor> });
    table.push_back({ "background-image", &ApplyImage, &CopyField<std::wstring, &ComputedStyle::backgroundImage> });
    table.push_back(
        { "background-repeat", &ApplyRepeat, &CopyField<BackgroundRepeat, &ComputedStyle::backgroundRepeat> });
    table.push_back({ "background-position", &ApplyPosition, &CopyPosition });
}

}  // namespace htmlengine
