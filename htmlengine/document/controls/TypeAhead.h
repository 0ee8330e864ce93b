#pragma once
// Type-ahead in a list: characters typed within a second of each other make one search
// text; a text of one repeated character steps through the items it starts.
#include <string>
#include <vector>

namespace htmlengine {

class TypeAhead {
public:
    // The item to go to after typing `character` at `now` (milliseconds), searching the
    // items' texts from `current`; -1 when none starts with what was typed.
    int Find(wchar_t character, unsigned long now, const std::vector<std::wstring>& items, int current);

private:
    std::wstring typed_;
    unsigned long last_ = 0;
};

}  // namespace htmlengine
