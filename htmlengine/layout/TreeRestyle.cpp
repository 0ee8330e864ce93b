#include "htmlengine/layout/TreeRestyle.h"

#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/style/ComputedStyle.h"
#include "htmlengine/document/style/ElementStyle.h"

#include <algorithm>

namespace htmlengine {

namespace {

// The element's items, runs and fragments in the box and in its anonymous descendants.
void RefreshText(Box& box, const Element& element, const std::shared_ptr<const ComputedStyle>& style)
{
    if (box.state)
        for (InlineItem& item : box.state->inlineItems)
            if (item.element == &element)
                item.style = style;
    for (TextRun& run : box.runs)
        if (run.element == &element)
            run.style = style.get();
    for (InlineFragment& fragment : box.fragments)
        if (fragment.element == &element)
            fragment.style = style.get();
    for (const std::unique_ptr<Box>& child : box.children)
        if (!child->element)
            RefreshText(*child, element, style);
}

// Anonymous boxes take what they inherit from the box around them.
void RefreshAnonymous(Box& box)
{
    for (const std::unique_ptr<Box>& child : box.children)
        if (!child->element) {
            child->style = AnonymousStyle(*box.style, child->style->display);
            RefreshAnonymous(*child);
        }
}

const ComputedStyle* InlineStyleIn(const Box& owner, const Element& element)
{
    if (owner.state)
        for (const InlineItem& item : owner.state->inlineItems)
            if (item.element == &element)
                return item.style.get();
    return nullptr;
}

// A box whose kind changes is built again by its parent; an inline element or one without
// boxes by the box around it.
StyleImpact ApplyOne(Element& element, BoxIndex& index, std::vector<Element*>& parts)
{
    std::shared_ptr<const ComputedStyle> style = element.HasStyle() ? element.Style().computed : nullptr;
    auto boxed = index.boxes.find(&element);
    if (style && boxed != index.boxes.end()) {
        Box& box = *boxed->second;
        StyleImpact impact = ImpactOf(*box.style, *style);
        box.style = style;
        RefreshText(box, element, style);
        RefreshAnonymous(box);
        bool rootOfItsOwn = !element.Parent() || element.Tag() == "popup";
        if (impact == StyleImpact::Rebuild)
            parts.push_back(rootOfItsOwn ? &element : element.Parent());
        return impact;
    }
    auto owned = index.inlineOwners.find(&element);
    if (owned == index.inlineOwners.end() || !style) {  // it had no boxes: it was hidden
        if (Shown(element))
            parts.push_back(&element);
        return StyleImpact::None;
    }
    const ComputedStyle* before = InlineStyleIn(*owned->second, element);
    if (!before) {  // an inline element that showed nothing: the box around it is built again
        parts.push_back(&element);
        return StyleImpact::None;
    }
    StyleImpact impact = ImpactOf(*before, *style);
    RefreshText(*owned->second, element, style);
    if (impact == StyleImpact::Rebuild)
        parts.push_back(&element);
    return impact;
}

}  // namespace

bool Shown(Element& element)
{
    for (Element* e = &element; e; e = e->Parent())
        if (!e->HasStyle() || !e->Style().computed || e->Style().computed->display == Display::None)
            return false;
    return true;
}

StyleImpact ApplyRestyles(const std::vector<Element*>& elements, BoxIndex& index, std::vector<Element*>& parts)
{
    StyleImpact impact = StyleImpact::None;
    for (Element* element : elements)
        if (!element->deleted)
            impact = std::max(impact, ApplyOne(*element, index, parts));
    return parts.empty() ? impact : StyleImpact::Layout;
}

}  // namespace htmlengine
