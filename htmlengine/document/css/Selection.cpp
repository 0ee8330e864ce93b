#include "htmlengine/document/css/Selection.h"

#include "htmlengine/document/css/SelectorMatcher.h"
#include "htmlengine/document/dom/Element.h"

namespace htmlengine {

namespace {

bool Collect(Element& parent, const std::function<bool(Element&)>& wanted, unsigned depth, unsigned level,
             std::vector<Element*>& found, bool firstOnly)
{
    for (Element* child : parent.Children()) {
        if (wanted(*child)) {
            found.push_back(child);
            if (firstOnly)
                return true;
        }
        if ((depth == 0 || level < depth) && Collect(*child, wanted, depth, level + 1, found, firstOnly))
            return true;
    }
    return false;
}

}  // namespace

std::vector<Element*> CollectDescendants(Element& scope, const std::function<bool(Element&)>& wanted, unsigned depth)
{
    std::vector<Element*> found;
    Collect(scope, wanted, depth, 1, found, false);
    return found;
}

std::vector<Element*> SelectAll(Element& scope, const SelectorList& selectors)
{
    return CollectDescendants(scope, [&](Element& e) { return MatchesAny(selectors, e, &scope); });
}

Element* SelectFirst(Element& scope, const SelectorList& selectors)
{
    std::vector<Element*> found;
    Collect(
        scope, [&](Element& e) { return MatchesAny(selectors, e, &scope); }, 0, 1, found, true);
    return found.empty() ? nullptr : found.front();
}

}  // namespace htmlengine
