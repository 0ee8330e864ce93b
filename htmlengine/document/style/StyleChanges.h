#pragma once
// What changed since a document's styles and boxes were last brought up to date: every
// style (a new sheet, a new root), the styles of some subtrees (a state, an attribute, a
// runtime style), the boxes of some elements (their children or text). Elements named here
// are held until they are taken, so a change never points at a freed element.
#include <memory>
#include <vector>

namespace htmlengine {

class Element;
class ElementHold;

class StyleChanges {
public:
    StyleChanges() = default;
    ~StyleChanges();
    StyleChanges(const StyleChanges&) = delete;
    StyleChanges& operator=(const StyleChanges&) = delete;

    void All();
    void Subtree(Element& element);
    void Boxes(Element& element);

    // Bumped by All(): a computed style from before is stale.
    unsigned long long Epoch() const { return epoch_; }
    // The elements whose boxes changed since the last call, or `everything` after All().
    struct BoxChanges {
        bool everything = false;
        std::unique_ptr<ElementHold> elements;
    };
    BoxChanges TakeBoxes();

    // The element leaves the document: nothing of it or inside it is held any longer.
    void Forget(const Element& element);

    bool HasDirtySubtrees() const { return !subtrees_.empty(); }
    // The roots of the subtrees to restyle, held while the caller works on them.
    std::unique_ptr<ElementHold> TakeSubtrees();

    // The restyle found the element's style changed; layout takes the list.
    void Restyled(Element& element);
    std::unique_ptr<ElementHold> TakeRestyled();

private:
    void Hold(std::vector<Element*>& list, Element& element);
    std::unique_ptr<ElementHold> Take(std::vector<Element*>& list);
    void Release(std::vector<Element*>& list);
    void Drop(std::vector<Element*>& list, const Element& element);

    unsigned long long epoch_ = 1;
    std::vector<Element*> subtrees_;  // referenced
    std::vector<Element*> restyled_;  // referenced
    std::vector<Element*> boxes_;  // referenced
    bool everything_ = true;
};

}  // namespace htmlengine
