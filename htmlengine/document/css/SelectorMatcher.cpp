#include "htmlengine/document/css/SelectorMatcher.h"

#include "htmlengine/document/dom/Element.h"

namespace htmlengine {

namespace {

bool MatchesAttribute(const AttributeCondition& condition, const Element& element)
{
    const std::wstring* value = element.FindAttribute(condition.name);
    return value && (!condition.hasValue || *value == condition.value);
}

// Selectors 3 §6.6.5.2: the element is the (an+b)-th child for some n >= 0.
bool MatchesNth(const NthChild& nth, const Element& element)
{
    if (!element.Parent())
        return false;
    int position = int(element.Index()) + 1;
    if (nth.a == 0)
        return position == nth.b;
    int n = position - nth.b;
    return n % nth.a == 0 && n / nth.a >= 0;
}

bool MatchesCompound(const CompoundSelector& compound, const Element& element, const Element* scope)
{
    if (!compound.tag.empty() && compound.tag != element.Tag())
        return false;
    if ((element.State() & compound.states) != compound.states)
        return false;
    if (compound.root && &element != scope)
        return false;
    if (!compound.id.empty()) {
        const std::wstring* id = element.FindAttribute("id");
        if (!id || *id != compound.id)
            return false;
    }
    for (const std::wstring& name : compound.classes)
        if (!element.HasClass(name))
            return false;
    for (const AttributeCondition& condition : compound.attributes)
        if (!MatchesAttribute(condition, element))
            return false;
    for (const NthChild& nth : compound.nthChildren)
        if (!MatchesNth(nth, element))
            return false;
    return true;
}

// Right to left: compound `index` must match `element`, then the combinator to its left
// decides where compound index - 1 is looked for. Descendant combinators backtrack.
bool MatchesFrom(const ComplexSelector& selector, size_t index, const Element& element, const Element* scope)
{
    if (!MatchesCompound(selector.compounds[index], element, scope))
        return false;
    if (index == 0)
        return true;
    const Element* ancestor = element.Parent();
    if (selector.combinators[index - 1] == Combinator::Child)
        return ancestor && MatchesFrom(selector, index - 1, *ancestor, scope);
    for (; ancestor; ancestor = ancestor->Parent())
        if (MatchesFrom(selector, index - 1, *ancestor, scope))
            return true;
    return false;
}

}  // namespace

bool Matches(const ComplexSelector& selector, const Element& element, const Element* scope)
{
    return MatchesFrom(selector, selector.compounds.size() - 1, element, scope);
}

bool MatchesAny(const SelectorList& selectors, const Element& element, const Element* scope)
{
    for (const ComplexSelector& selector : selectors)
        if (Matches(selector, element, scope))
            return true;
    return false;
}

}  // namespace htmlengine
