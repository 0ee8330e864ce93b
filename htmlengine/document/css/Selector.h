#pragma once
// Parsed selectors (Selectors Level 3 subset used by our pages and code).
#include <string>
#include <vector>

namespace htmlengine {

struct AttributeCondition {
    std::string name;
    bool hasValue = false;
    std::wstring value;  // compared exactly
};

// :nth-child(an+b)
struct NthChild {
    int a = 0;
    int b = 0;
};

// One compound selector: type, id, classes, attributes and pseudo-classes, all of which
// must hold.
struct CompoundSelector {
    std::string tag;  // empty: any
    std::wstring id;
    std::vector<std::wstring> classes;
    std::vector<AttributeCondition> attributes;
    unsigned states = 0;  // every bit must be set
    bool root = false;
    std::vector<NthChild> nthChildren;
};

enum class Combinator { Descendant, Child };

// Compounds from left to right; combinators[i] joins compounds[i] and compounds[i + 1].
struct ComplexSelector {
    std::vector<CompoundSelector> compounds;
    std::vector<Combinator> combinators;
    unsigned specificity = 0;  // ids << 16 | classes, attributes, pseudo-classes << 8 | types
};

using SelectorList = std::vector<ComplexSelector>;

}  // namespace htmlengine
