#pragma once
// Computed styles shared by elements that style alike: the same parent style, the same
// default display, the same declarations from the sheets (and none of their own). A page's
// thousand table rows then share a handful of styles, and restyling an element whose rules
// did not change gives back the very same style object.
#include "htmlengine/document/css/Declaration.h"
#include "htmlengine/document/style/ComputedStyle.h"

#include <memory>
#include <unordered_map>
#include <vector>

namespace htmlengine {

class StyleShare {
public:
    struct Key {
        const ComputedStyle* parent;
        const wchar_t* defaultDisplay;
        bool root;
        std::vector<const Declaration*> declarations;
        bool operator==(const Key& other) const
        {
            return parent == other.parent && defaultDisplay == other.defaultDisplay && root == other.root &&
                   declarations == other.declarations;
        }
    };

    // Null when no element styled so yet.
    std::shared_ptr<const ComputedStyle> Find(const Key& key) const;
    // `parent` keeps the key's parent alive as long as the entry.
    void Add(Key key, std::shared_ptr<const ComputedStyle> parent, std::shared_ptr<const ComputedStyle> style);

private:
    struct Hash {
        size_t operator()(const Key& key) const;
    };
    struct Value {
        std::shared_ptr<const ComputedStyle> parent, style;
    };
    std::unordered_map<Key, Value, Hash> styles_;
};

}  // namespace htmlengine
