#include "htmlengine/document/style/StyleChanges.h"

#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/dom/ElementLifetime.h"

namespace htmlengine {

StyleChanges::~StyleChanges()
{
    Release(subtrees_);
    Release(restyled_);
    Release(boxes_);
}

void StyleChanges::All()
{
    ++epoch_;
    everything_ = true;
    Release(subtrees_);
    Release(restyled_);
    Release(boxes_);
}

void StyleChanges::Forget(const Element& element)
{
    Drop(subtrees_, element);
    Drop(restyled_, element);
    Drop(boxes_, element);
}

void StyleChanges::Drop(std::vector<Element*>& list, const Element& element)
{
    std::vector<Element*> kept, dropped;
    for (Element* held : list)
        (held == &element || element.IsAncestorOf(held) ? dropped : kept).push_back(held);
    list.swap(kept);
    for (Element* held : dropped)
        DropReference(held);
}

void StyleChanges::Subtree(Element& element)
{
    Hold(subtrees_, element);
}

void StyleChanges::Boxes(Element& element)
{
    Hold(subtrees_, element);
    if (!everything_)
        Hold(boxes_, element);
}

StyleChanges::BoxChanges StyleChanges::TakeBoxes()
{
    BoxChanges changes;
    changes.everything = everything_;
    changes.elements = Take(boxes_);
    everything_ = false;
    return changes;
}

std::unique_ptr<ElementHold> StyleChanges::TakeSubtrees()
{
    return Take(subtrees_);
}

void StyleChanges::Restyled(Element& element)
{
    Hold(restyled_, element);
}

std::unique_ptr<ElementHold> StyleChanges::TakeRestyled()
{
    return Take(restyled_);
}

void StyleChanges::Hold(std::vector<Element*>& list, Element& element)
{
    if (!list.empty() && list.back() == &element)
        return;
    AddReference(&element);
    list.push_back(&element);
}

std::unique_ptr<ElementHold> StyleChanges::Take(std::vector<Element*>& list)
{
    auto held = std::make_unique<ElementHold>(list);
    Release(list);
    return held;
}

void StyleChanges::Release(std::vector<Element*>& list)
{
    std::vector<Element*> dropped;
    dropped.swap(list);
    for (Element* element : dropped)
        DropReference(element);
}

}  // namespace htmlengine
