#include "htmlengine/layout/PartialRebuild.h"

#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/style/ElementStyle.h"
#include "htmlengine/layout/TreeRestyle.h"

#include <unordered_set>

namespace htmlengine {

namespace {

// The box that holds the element's boxes: its own, the block around its inline boxes, or
// the nearest ancestor's; null when it is hidden and stays so.
Box* PartFor(Element& element, BoxIndex& index)
{
    for (Element* e = &element; e; e = e->Parent()) {
        auto boxed = index.boxes.find(e);
        if (boxed != index.boxes.end())
            return boxed->second;
        auto owned = index.inlineOwners.find(e);
        if (owned != index.inlineOwners.end()) {
            Box* owner = owned->second;
            while (owner && !owner->element)
                owner = owner->parent;
            return owner;
        }
        if (e == &element && !Shown(element))
            return nullptr;
    }
    return nullptr;
}

// Out-of-flow boxes in it, or the places of ones elsewhere (their static position refers to
// the box holding the place).
bool HoldsOutOfFlow(const Box& box)
{
    if (box.state)
        for (const InlineItem& item : box.state->inlineItems)
            if (item.kind == InlineItem::Kind::Placeholder)
                return true;
    for (const std::unique_ptr<Box>& child : box.children)
        if ((child->isLayer && child->style->IsOutOfFlow()) || HoldsOutOfFlow(*child))
            return true;
    return false;
}

// The elements of fixed boxes and popups are held by the layout, so they are never freed here.
bool OwnsRoots(const Element& element, const std::vector<std::unique_ptr<Box>>& roots)
{
    for (const std::unique_ptr<Box>& root : roots)
        if (root->element->deleted || root->element == &element || element.IsAncestorOf(root->element))
            return true;
    return false;
}

void CollectDescendants(const Box& box, std::unordered_set<const Box*>& boxes)
{
    for (const std::unique_ptr<Box>& child : box.children) {
        boxes.insert(child.get());
        CollectDescendants(*child, boxes);
    }
}

// What the index knows of the box's descendants goes, and of the box itself when it goes too.
void Unindex(const Box& box, BoxIndex& index, bool itself)
{
    std::unordered_set<const Box*> gone;
    CollectDescendants(box, gone);
    if (itself)
        gone.insert(&box);
    for (const Box* child : gone) {
        if (child->element)
            index.boxes.erase(child->element);
        index.outOfFlowFrom.erase(child);
    }
    for (auto it = index.inlineOwners.begin(); it != index.inlineOwners.end();)
        it = gone.count(it->second) ? index.inlineOwners.erase(it) : std::next(it);
}

// Whether an out-of-flow box came from the content of the part (it lives elsewhere, and its
// element may be gone).
bool FeedsOutOfFlow(const Box& part, const BoxIndex& index)
{
    for (const auto& entry : index.outOfFlowFrom)
        for (const Box* box = entry.second; box; box = box->parent)
            if (box == &part)
                return true;
    return false;
}

bool RebuildPart(Box& part, LayoutTree& tree, BoxIndex& index)
{
    if (!part.parent || !part.parent->parent || HoldsOutOfFlow(part) || FeedsOutOfFlow(part, index) ||
        OwnsRoots(*part.element, tree.popups) || OwnsRoots(*part.element, tree.fixed))
        return false;
    Unindex(part, index, false);
    BoxBuilder builder(tree, index);
    builder.RebuildContent(part);
    if (builder.MetOutOfFlow())
        return false;
    for (Box* ancestor = &part; ancestor; ancestor = ancestor->parent)
        if (ancestor->state)
            ancestor->state->ForgetMeasurements(false);
    return true;
}

// A popup is a root of its own: its old box goes, and a new one comes if it shows now.
bool RebuildPopup(Element& popup, LayoutTree& tree, BoxIndex& index)
{
    auto& popups = tree.popups;
    for (auto it = popups.begin(); it != popups.end(); ++it)
        if ((*it)->element == &popup) {
            if (HoldsOutOfFlow(**it))
                return false;
            Unindex(**it, index, true);
            popups.erase(it);
            break;
        }
    if (!Shown(popup))
        return true;
    size_t fixed = tree.fixed.size(), shown = popups.size();
    BoxBuilder builder(tree, index);
    Box* placeholder = nullptr;
    builder.TakeOutOfFlow(popup, popup.Style().computed, *tree.viewport, placeholder);
    // Out-of-flow boxes inside it would live elsewhere: then the whole tree is built again.
    return popups.size() == shown + 1 && tree.fixed.size() == fixed && !builder.HasPendingOutOfFlow() &&
           !HoldsOutOfFlow(*popups.back());
}

}  // namespace

bool RebuildParts(const std::vector<Element*>& elements, LayoutTree& tree, BoxIndex& index)
{
    // Popups first: rebuilding one frees the boxes inside it, which a part found earlier could be.
    for (Element* element : elements)
        if (!element->deleted && element->Tag() == "popup" && !RebuildPopup(*element, tree, index))
            return false;
    std::vector<Box*> parts;
    for (Element* element : elements)
        if (!element->deleted && element->Tag() != "popup")
            if (Box* part = PartFor(*element, index))
                parts.push_back(part);
    // A part inside another is built with it.
    std::unordered_set<const Box*> marked(parts.begin(), parts.end()), taken;
    std::vector<Box*> outer;
    for (Box* part : parts) {
        bool inside = false;
        for (const Box* b = part->parent; b && !inside; b = b->parent)
            inside = marked.count(b) != 0;
        if (!inside && taken.insert(part).second)
            outer.push_back(part);
    }
    for (Box* part : outer)
        if (!RebuildPart(*part, tree, index))
            return false;
    return true;
}

}  // namespace htmlengine
