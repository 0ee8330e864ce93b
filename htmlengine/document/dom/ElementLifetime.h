#pragma once
// Counted lifetime of elements. An element lives while it is in a tree or referenced; a
// detached element is freed when its count reaches 0. A deleted element stays allocated
// while referenced, but every API call on it fails.
#include <vector>

namespace htmlengine {

class Element;
class Node;

void AddReference(Element* element);
void DropReference(Element* element);

// Frees the element when nothing holds it: no parent, no document, no reference.
void ReleaseIfUnreferenced(Element* element);

// Marks the element and its subtree deleted.
void MarkDeleted(Element* element);

// Disposes of nodes taken out of a tree for good: text is freed, elements are marked
// deleted and freed unless referenced.
void DiscardNodes(const std::vector<Node*>& nodes);

// Keeps elements alive while program code runs that may delete them or change the tree: a
// held element may end up deleted, but it is not freed before the hold ends.
class ElementHold {
public:
    explicit ElementHold(std::vector<Element*> elements);
    explicit ElementHold(Element& element) : ElementHold(std::vector<Element*> { &element }) {}
    ~ElementHold();
    ElementHold(const ElementHold&) = delete;
    ElementHold& operator=(const ElementHold&) = delete;

    const std::vector<Element*>& Elements() const { return elements_; }

private:
    std::vector<Element*> elements_;
};

// One counted reference kept between calls (the element under the mouse, the one a button
// was pressed on): Get() is null once the element is deleted or out of its document.
class ElementRef {
public:
    ElementRef() = default;
    ~ElementRef() { Reset(); }
    ElementRef(const ElementRef&) = delete;
    ElementRef& operator=(const ElementRef&) = delete;

    void Reset(Element* element = nullptr);
    Element* Get() const;

private:
    Element* element_ = nullptr;
};

}  // namespace htmlengine
