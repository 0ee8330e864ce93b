#include "htmlengine/document/dom/ElementLifetime.h"

#include "htmlengine/document/dom/Element.h"

namespace htmlengine {

namespace {

void Free(Element* element)
{
    for (Node* node : element->TakeNodes()) {
        if (node->IsElement())
            ReleaseIfUnreferenced(static_cast<Element*>(node));
        else
            delete node;
    }
    delete element;
}

}  // namespace

void AddReference(Element* element)
{
    ++element->references;
}

void DropReference(Element* element)
{
    if (element->references > 0)
        --element->references;
    ReleaseIfUnreferenced(element);
}

void ReleaseIfUnreferenced(Element* element)
{
    if (element->references == 0 && !element->Parent() && !element->OwnerDocument())
        Free(element);
}

void MarkDeleted(Element* element)
{
    element->deleted = true;
    for (Element* child : element->Children())
        MarkDeleted(child);
}

void DiscardNodes(const std::vector<Node*>& nodes)
{
    for (Node* node : nodes) {
        if (node->IsElement()) {
            Element* element = static_cast<Element*>(node);
            MarkDeleted(element);
            ReleaseIfUnreferenced(element);
        } else {
            delete node;
        }
    }
}

ElementHold::ElementHold(std::vector<Element*> elements) : elements_(std::move(elements))
{
    for (Element* element : elements_)
        AddReference(element);
}

ElementHold::~ElementHold()
{
    for (Element* element : elements_)
        DropReference(element);
}

void ElementRef::Reset(Element* element)
{
    if (element == element_)
        return;
    if (element)
        AddReference(element);
    Element* old = element_;
    element_ = element;
    if (old)
        DropReference(old);
}

Element* ElementRef::Get() const
{
    return element_ && !element_->deleted && element_->OwnerDocument() ? element_ : nullptr;
}

}  // namespace htmlengine
