#pragma once
// What the HTML tokenizer hands the tree builder.
#include "htmlengine/document/dom/Element.h"

#include <string>
#include <vector>

namespace htmlengine {

struct HtmlToken {
    enum class Kind { StartTag, EndTag, Text, Comment };
    Kind kind = Kind::Text;
    std::string name;  // lower-case tag name
    std::vector<Attribute> attributes;
    bool selfClosing = false;
    std::wstring text;  // text (entities decoded) or comment
};

}  // namespace htmlengine
