#pragma once
// The engine's own colours, for what it draws where no style sheet says (check boxes,
// radios, scroll bars, calendars, tooltips); the accent in them is the element's
// accent-color.
#include "htmlengine/document/style/ComputedStyle.h"

namespace htmlengine::palette {

constexpr Color Rgb(unsigned rgb)
{
    return { uint8_t(rgb >> 16), uint8_t(rgb >> 8), uint8_t(rgb), 255 };
}

constexpr Color kText = Rgb(0x1E2A33);
constexpr Color kSecondaryText = Rgb(0x5F6B75);
constexpr Color kWhite = Rgb(0xFFFFFF);
constexpr Color kBoxBorder = Rgb(0x8C98A3);
constexpr Color kPanelBorder = Rgb(0xDCE0E4);
constexpr Color kPopupBorder = Rgb(0x8F9BA5);
constexpr Color kHover = Rgb(0xE5EEF6);
constexpr Color kDisabledFill = Rgb(0xF1F3F5);
constexpr Color kDisabledBorder = Rgb(0xD8DDE1);
constexpr Color kDisabledText = Rgb(0xA3ABB2);
constexpr Color kDisabledCheckedFill = Rgb(0xB8C1C8);
constexpr Color kScrollTrack = Rgb(0xF3F4F6);
constexpr Color kScrollThumb = Rgb(0xC1C8CE);
constexpr Color kTooltipFill = Rgb(0xFFFFFF);

}  // namespace htmlengine::palette
