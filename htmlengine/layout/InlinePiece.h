#pragma once
// A piece of a block container's inline content, as line breaking sees it: a word, a run of
// spaces, an inline element's start or end, an atomic inline, a float, a placeholder or a break.
#include <cstdint>
#include <string_view>

namespace htmlengine {

struct InlineItem;

struct Piece {
    enum class Kind : uint8_t { Word, Space, Open, Close, Atomic, Float, Placeholder, Break };
    Kind kind = Kind::Word;
    const InlineItem* item = nullptr;
    std::wstring_view text;  // Word, Space: part of item->text
    int width = 0;  // advance; Open and Close: margin, border and padding
    bool wraps = true;  // white-space lets lines break here
    bool breakBefore = false;
    bool collapsible = false;  // a space dropped at the start and end of a line
};

}  // namespace htmlengine
