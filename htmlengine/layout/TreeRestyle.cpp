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
            if (item.element == &element) item.style = style;
    for (TextRun& run : box.runs)
        if (run.element == &element) run.style = style.get();
    for (InlineFragment& fragment : box.fragments)
        if (fragment.element == &element) fragment.style = style.get();
    for (const std::unique_ptr<Box>& child : box.children)
        if (!child->element) RefreshText(*child, element, style);
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
            if (item.element == &element) return item.style.get();
    return nullptr;
}

// Whether an element without boxes would have some now (it was hidden, or inside something hidden).
bool Shown(Element& element)
{
    for (Element* e = &element; e; e = e->Parent())
        if (!e->HasStyle() || !e->Style().computed || e->Style().computed->display == Display::None) return false;
    return true;
}

StyleImpact ApplyOne(Element& element, BoxIndex& index)
{
    std::shared_ptr<const ComputedStyle> style = element.HasStyle() ? element.Style().computed : nullptr;
    if (!style) return StyleImpact::Rebuild;
    auto boxed = index.boxes.find(&element);
    if (boxed != index.boxes.end()) {
        Box& box = *boxed->second;
        StyleImpact impact = ImpactOf(*box.style, *style);
        box.style = style;
        RefreshText(box, element, style);
        RefreshAnonymous(box);
        return impact;
    }
    auto owned = index.inlineOwners.find(&element);
    if (owned == index.inlineOwners.end()) return Shown(element) ? StyleImpact::Rebuild : StyleImpact::None;
    const ComputedStyle* before = InlineStyleIn(*owned->second, element);
    StyleImpact impact = before ? ImpactOf(*before, *style) : StyleImpact::Rebuild;
    RefreshText(*owned->second, element, style);
    return impact;
}

}  // namespace

StyleImpact ApplyRestyles(const std::vector<Element*>& elements, BoxIndex& index)
{
    StyleImpact impact = StyleImpact::None;
    for (Element* element : elements) {
        if (element->deleted) continue;
        impact = std::max(impact, ApplyOne(*element, index));
        if (impact == StyleImpact::Rebuild) break;
    }
    return impact;
}

}  // namespace htmlengine
