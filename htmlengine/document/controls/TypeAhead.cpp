#include "htmlengine/document/controls/TypeAhead.h"

#include "htmlengine/document/dom/AsciiCase.h"

namespace htmlengine {

namespace {

const unsigned long kPauseMilliseconds = 1000;

// An item's leading blanks are not typed.
bool LabelStartsWith(const std::wstring& label, const std::wstring& prefix)
{
    size_t start = label.find_first_not_of(L" \t");
    return start != std::wstring::npos && StartsWithNoCase(std::wstring_view(label).substr(start), prefix);
}

bool OneRepeatedCharacter(const std::wstring& text)
{
    return text.find_first_not_of(text[0]) == std::wstring::npos;
}

}  // namespace

int TypeAhead::Find(wchar_t character, unsigned long now, const std::vector<std::wstring>& items, int current)
{
    if (typed_.empty() || now - last_ > kPauseMilliseconds)
        typed_.clear();
    typed_ += LowerAscii(character);
    last_ = now;
    // "b", "b", "b" steps through the b's; "bo" refines the search from where it is.
    bool stepping = OneRepeatedCharacter(typed_);
    std::wstring prefix = stepping ? typed_.substr(0, 1) : typed_;
    int count = int(items.size());
    int first = stepping ? current + 1 : current < 0 ? 0 : current;
    for (int offset = 0; offset < count; ++offset) {
        int index = ((first + offset) % count + count) % count;
        if (LabelStartsWith(items[size_t(index)], prefix))
            return index;
    }
    return -1;
}

}  // namespace htmlengine
