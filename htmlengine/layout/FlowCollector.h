#pragma once
// Collects the content of a block container (CSS 2.1 §9.2.1-9.2.2): inline content becomes
// the container's inline items, or, beside block-level children, anonymous block boxes of
// its own. White space is processed here (CSS Text 3 §4.1.1, per `white-space`), case
// transformed (A-Z only), and an inline element that holds a block is split around it.
#include "htmlengine/layout/BoxBuilder.h"

#include <memory>
#include <string>
#include <vector>

namespace htmlengine {

class FlowCollector {
public:
    FlowCollector(BoxBuilder& builder, Box& container);

    void AddChildren(Element& parent, const std::shared_ptr<const ComputedStyle>& parentStyle);
    // One node whose parent (and its style) the text belongs to.
    void AddNode(Node& node, Element* parent, const std::shared_ptr<const ComputedStyle>& parentStyle);
    void AddElement(Element& element, const std::shared_ptr<const ComputedStyle>& style);
    // Gives the container its items or its children.
    void Finish();
    // Whether anything but collapsible white space was collected.
    bool HasContent() const { return hasContent_; }

private:
    void AddText(const std::wstring& text, Element* owner, const std::shared_ptr<const ComputedStyle>& style);
    void AddBlock(std::unique_ptr<Box> block);
    void AddToRun(InlineItem item, std::unique_ptr<Box> box);
    void FlushRun();
    bool RunIsSignificant() const;

    BoxBuilder& builder_;
    Box& container_;
    std::vector<std::unique_ptr<Box>> blocks_;
    std::vector<InlineItem> run_;
    std::vector<std::unique_ptr<Box>> runBoxes_;
    std::vector<Element*> runInlines_;
    std::vector<InlineItem> open_;  // inline elements open at this point
    bool sawBlock_ = false;
    bool afterSpace_ = true;  // a collapsible space here would be dropped
    bool hasContent_ = false;
    int listItems_ = 0;
};

}  // namespace htmlengine
