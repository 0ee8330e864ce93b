#pragma once
// Builds the box tree of a document from its elements and their computed styles (CSS 2.1
// §9.2: block and inline boxes, anonymous block boxes; §17.2.1: the table parts the markup
// leaves out). See Box.h for where out-of-flow boxes and popups go.
#include "htmlengine/layout/Box.h"
#include "htmlengine/layout/BoxState.h"

#include <unordered_map>
#include <utility>

namespace htmlengine {

class Element;
class Node;

struct BoxIndex {
    std::unordered_map<const Element*, Box*> boxes;  // elements with a box of their own
    std::unordered_map<const Element*, Box*> inlineOwners;  // inline elements: the box holding their lines
    // Out-of-flow boxes (absolute, fixed, popups) and the box whose content they came from:
    // building that content again must build them again too.
    std::unordered_map<const Box*, const Box*> outOfFlowFrom;
    void Clear()
    {
        boxes.clear();
        inlineOwners.clear();
        outOfFlowFrom.clear();
    }
};

// The whole tree for the document whose root element is `root`.
void BuildTree(Element& root, LayoutTree& tree, BoxIndex& index);

// After building: each box that holds layers gets its positioned descendants, in paint order.
void CollectLayers(LayoutTree& tree);

class BoxBuilder {
public:
    BoxBuilder(LayoutTree& tree, BoxIndex& index);

    // The box of an element that makes one, with its content.
    std::unique_ptr<Box> ChildBox(Element& element, const std::shared_ptr<const ComputedStyle>& style);
    std::unique_ptr<Box> AnonymousBox(const ComputedStyle& parent, Display display, BoxKind kind);
    // Popups, fixed and absolute boxes met in the content of `container` go where Box.h says;
    // true when the element was one. `placeholder` is then the box whose static position its
    // place in the flow gives.
    bool TakeOutOfFlow(Element& element, const std::shared_ptr<const ComputedStyle>& style, const Box& container,
                       Box*& placeholder);
    void Append(Box& parent, std::unique_ptr<Box> child);
    void AdoptOutOfFlow(Box& box);
    BoxIndex& Index();

    // Builds the content of a box that is already in the tree again (its children and lines).
    void RebuildContent(Box& box);
    // Whether a popup, a fixed or an absolute box was met: such boxes live outside the
    // content being built.
    bool MetOutOfFlow() const { return metOutOfFlow_; }
    // Absolute boxes still waiting for their containing block (one outside what was built).
    bool HasPendingOutOfFlow() const { return !pendingOutOfFlow_.empty(); }

private:
    std::unique_ptr<Box> ElementBox(Element& element, std::shared_ptr<const ComputedStyle> style, BoxKind kind);
    void BuildContent(Box& box);
    void BuildTable(Box& table);
    void BuildRowGroup(Box& group, Element& element);
    void BuildRow(Box& row, Element& element);
    void AddToGroup(Box& group, Element& child, const std::shared_ptr<const ComputedStyle>& style);
    void AddToRow(Box& row, Element& child, const std::shared_ptr<const ComputedStyle>& style);
    void BuildFlex(Box& flex);
    void FindPopups(const Box& container, Element& element);
    Box* ContainingBlockOf(Element& element);

    LayoutTree& tree_;
    BoxIndex& index_;
    std::vector<std::pair<Box*, std::unique_ptr<Box>>> pendingOutOfFlow_;  // by containing block
    bool metOutOfFlow_ = false;
};

}  // namespace htmlengine
