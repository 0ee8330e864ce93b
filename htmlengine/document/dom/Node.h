#pragma once
// A node of the document tree: an element or a run of text.
#include <string>

namespace htmlengine {

class Element;

class Node {
public:
    Node() = default;
    Node(const Node&) = delete;
    Node& operator=(const Node&) = delete;
    virtual ~Node() = default;

    Element* Parent() const { return parent_; }
    virtual bool IsElement() const = 0;

private:
    friend class Element;
    Element* parent_ = nullptr;
};

class TextNode : public Node {
public:
    explicit TextNode(std::wstring text) : text_(std::move(text)) {}
    bool IsElement() const override { return false; }
    const std::wstring& Text() const { return text_; }

private:
    std::wstring text_;
};

}  // namespace htmlengine
