#pragma once
// An element of the document tree: tag, attributes, children, states and the engine's
// per-element data. Lifetime is counted (see ElementLifetime.h).
#include "htmlengine/document/dom/Node.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace htmlengine {

class Document;
class Control;
struct ElementStyle;
struct HandlerBinding;

struct Attribute {
    std::string name;  // as written; compared without regard to A-Z case
    std::wstring value;
};

class Element : public Node {
public:
    explicit Element(std::string tag);
    ~Element() override;
    bool IsElement() const override { return true; }

    const std::string& Tag() const { return tag_; }
    unsigned Uid() const { return uid_; }

    // Attributes. The pointer stays valid until that attribute changes or the element goes.
    const std::wstring* FindAttribute(std::string_view name) const;
    bool HasAttribute(std::string_view name) const { return FindAttribute(name) != nullptr; }
    std::wstring AttributeOr(std::string_view name, const std::wstring& fallback = L"") const;
    void SetAttribute(std::string_view name, std::wstring value);
    void RemoveAttribute(std::string_view name);
    const std::vector<std::unique_ptr<Attribute>>& Attributes() const { return attributes_; }
    bool HasClass(std::wstring_view name) const;

    // Children: all nodes, and the element children alone.
    const std::vector<Node*>& Nodes() const { return nodes_; }
    const std::vector<Element*>& Children() const { return children_; }
    size_t ChildCount() const { return children_.size(); }
    Element* Child(size_t index) const { return index < children_.size() ? children_[index] : nullptr; }
    size_t Index() const;
    void AppendNode(Node* node);
    void InsertChild(Element* child, size_t index);  // index past the end appends
    void InsertNodes(size_t nodeIndex, const std::vector<Node*>& nodes);  // past the end appends
    void RemoveNode(Node* node);  // the caller takes over the node
    std::vector<Node*> TakeNodes();  // empties the element
    void ReorderChildren(size_t first, const std::vector<Element*>& order);
    bool IsAncestorOf(const Element* other) const;
    Element* TopAncestor();

    // The document whose tree holds this element, or null for a detached subtree.
    Document* OwnerDocument();
    void SetRootOf(Document* document) { rootOf_ = document; }

    unsigned State() const { return state_; }
    void SetStateBits(unsigned state) { state_ = state; }

    // Counted lifetime (ElementLifetime.cpp).
    int references = 0;
    bool deleted = false;
    bool adopted = false;  // states from markup, control and behaviours were set up once

    // Made on first use: most elements never need them.
    ElementStyle& Style();
    bool HasStyle() const { return style_ != nullptr; }
    std::vector<HandlerBinding>& Handlers();
    bool HasHandlers() const { return handlers_ && !handlers_->empty(); }
    Control* GetControl() const { return control_.get(); }
    void SetControl(std::unique_ptr<Control> control);

private:
    std::string tag_;
    unsigned uid_;
    unsigned state_ = 0;
    Document* rootOf_ = nullptr;
    std::vector<std::unique_ptr<Attribute>> attributes_;
    std::vector<Node*> nodes_;
    std::vector<Element*> children_;
    mutable size_t indexHint_ = 0;  // where Index() found it last: :nth-child asks for every cell
    std::unique_ptr<ElementStyle> style_;
    std::unique_ptr<std::vector<HandlerBinding>> handlers_;
    std::unique_ptr<Control> control_;
};

// Text of every descendant text node, in document order.
std::wstring TextContent(const Element& element);

}  // namespace htmlengine
