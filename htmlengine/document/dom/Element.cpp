#include "htmlengine/document/dom/Element.h"

#include "htmlengine/document/controls/Control.h"
#include "htmlengine/document/dom/AsciiCase.h"
#include "htmlengine/document/dom/ElementRegistry.h"
#include "htmlengine/document/events/HandlerBinding.h"
#include "htmlengine/document/style/ElementStyle.h"

#include <algorithm>

namespace htmlengine {

Element::Element(std::string tag) : tag_(ToLowerAscii(tag)), uid_(RegisterElement(this)) {}

Element::~Element()
{
    UnregisterElement(this);
    for (Node* node : nodes_)
        if (!node->IsElement())
            delete node;
}

const std::wstring* Element::FindAttribute(std::string_view name) const
{
    for (const auto& attribute : attributes_)
        if (EqualsNoCase(attribute->name, name))
            return &attribute->value;
    return nullptr;
}

std::wstring Element::AttributeOr(std::string_view name, const std::wstring& fallback) const
{
    const std::wstring* value = FindAttribute(name);
    return value ? *value : fallback;
}

void Element::SetAttribute(std::string_view name, std::wstring value)
{
    for (auto& attribute : attributes_)
        if (EqualsNoCase(attribute->name, name)) {
            attribute->value = std::move(value);
            return;
        }
    attributes_.push_back(std::unique_ptr<Attribute>(new Attribute { std::string(name), std::move(value) }));
}

void Element::RemoveAttribute(std::string_view name)
{
    attributes_.erase(std::remove_if(attributes_.begin(), attributes_.end(),
                                     [&](const auto& a) { return EqualsNoCase(a->name, name); }),
                      attributes_.end());
}

bool Element::HasClass(std::wstring_view name) const
{
    const std::wstring* classes = FindAttribute("class");
    if (!classes)
        return false;
    size_t start = 0;
    while (start < classes->size()) {
        size_t end = classes->find_first_of(L" \t\r\n", start);
        if (end == std::wstring::npos)
            end = classes->size();
        if (std::wstring_view(*classes).substr(start, end - start) == name)
            return true;
        start = end + 1;
    }
    return false;
}

size_t Element::Index() const
{
    Element* parent = Parent();
    if (!parent)
        return 0;
    const auto& siblings = parent->children_;
    if (indexHint_ < siblings.size() && siblings[indexHint_] == this)
        return indexHint_;
    indexHint_ = std::find(siblings.begin(), siblings.end(), this) - siblings.begin();
    return indexHint_;
}

void Element::AppendNode(Node* node)
{
    node->parent_ = this;
    nodes_.push_back(node);
    if (node->IsElement())
        children_.push_back(static_cast<Element*>(node));
}

void Element::InsertChild(Element* child, size_t index)
{
    if (index >= children_.size()) {
        AppendNode(child);
        return;
    }
    Element* before = children_[index];
    child->parent_ = this;
    nodes_.insert(std::find(nodes_.begin(), nodes_.end(), before), child);
    children_.insert(children_.begin() + index, child);
}

void Element::InsertNodes(size_t nodeIndex, const std::vector<Node*>& nodes)
{
    for (Node* node : nodes)
        node->parent_ = this;
    nodes_.insert(nodes_.begin() + std::min(nodeIndex, nodes_.size()), nodes.begin(), nodes.end());
    children_.clear();
    for (Node* node : nodes_)
        if (node->IsElement())
            children_.push_back(static_cast<Element*>(node));
}

void Element::RemoveNode(Node* node)
{
    nodes_.erase(std::remove(nodes_.begin(), nodes_.end(), node), nodes_.end());
    children_.erase(std::remove(children_.begin(), children_.end(), node), children_.end());
    node->parent_ = nullptr;
}

std::vector<Node*> Element::TakeNodes()
{
    std::vector<Node*> taken;
    taken.swap(nodes_);
    children_.clear();
    for (Node* node : taken)
        node->parent_ = nullptr;
    return taken;
}

// Puts `order` (a permutation of the children from `first` on) in place of those children;
// text between them keeps its slots.
void Element::ReorderChildren(size_t first, const std::vector<Element*>& order)
{
    size_t elementIndex = 0;
    for (Node*& node : nodes_) {
        if (!node->IsElement())
            continue;
        if (elementIndex >= first && elementIndex - first < order.size())
            node = order[elementIndex - first];
        ++elementIndex;
    }
    std::copy(order.begin(), order.end(), children_.begin() + first);
}

bool Element::IsAncestorOf(const Element* other) const
{
    for (const Element* e = other ? other->Parent() : nullptr; e; e = e->Parent())
        if (e == this)
            return true;
    return false;
}

Element* Element::TopAncestor()
{
    Element* top = this;
    while (top->Parent())
        top = top->Parent();
    return top;
}

Document* Element::OwnerDocument()
{
    return TopAncestor()->rootOf_;
}

ElementStyle& Element::Style()
{
    if (!style_)
        style_.reset(new ElementStyle);
    return *style_;
}

std::vector<HandlerBinding>& Element::Handlers()
{
    if (!handlers_)
        handlers_.reset(new std::vector<HandlerBinding>);
    return *handlers_;
}

void Element::SetControl(std::unique_ptr<Control> control)
{
    control_ = std::move(control);
}

namespace {

void AppendText(const Element& element, std::wstring& text)
{
    for (const Node* node : element.Nodes()) {
        if (node->IsElement())
            AppendText(static_cast<const Element&>(*node), text);
        else
            text += static_cast<const TextNode*>(node)->Text();
    }
}

}  // namespace

std::wstring TextContent(const Element& element)
{
    std::wstring text;
    AppendText(element, text);
    return text;
}

}  // namespace htmlengine
