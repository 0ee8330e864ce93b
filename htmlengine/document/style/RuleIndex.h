#pragma once
// The rules of a document's sheets filed by the rightmost compound of each selector (its
// id, else its first class, else its tag), so that an element is matched only against the
// selectors that could apply to it.
#include "htmlengine/document/css/StyleSheet.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace htmlengine {

class Element;

class RuleIndex {
public:
    struct Entry {
        const StyleRule* rule;
        const ComplexSelector* selector;
        size_t order;  // the rule's place in the cascade, from 1
    };

    explicit RuleIndex(const std::vector<StyleSheet>& sheets);

    // The entries that may match the element, in cascade order.
    void Candidates(const Element& element, std::vector<const Entry*>& out) const;

private:
    std::unordered_map<std::wstring, std::vector<Entry>> byId_, byClass_;
    std::unordered_map<std::string, std::vector<Entry>> byTag_;
    std::vector<Entry> universal_;
};

}  // namespace htmlengine
