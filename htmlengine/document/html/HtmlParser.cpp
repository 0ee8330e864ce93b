#include "htmlengine/document/html/HtmlParser.h"

#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/html/HtmlTokenizer.h"

#include <algorithm>
#include <cstring>

namespace htmlengine {

namespace {

// HTML 13.1.2 void elements: never have content.
bool IsVoid(const std::string& tag)
{
    static const char* const kVoid[] = { "img", "br", "hr", "input", "link", "meta", "col", "base", "param", "area" };
    return std::any_of(std::begin(kVoid), std::end(kVoid), [&](const char* v) { return tag == v; });
}

// Optional end tags (HTML 13.1.2.4): a start tag of the first kind closes an open element of
// the second kind, as long as no element of the third kind lies between them.
struct ImpliedEnd {
    const char* opening;
    const char* closes;
    const char* boundary;
};

const ImpliedEnd kImpliedEnds[] = {
    { "option", "option", "select popup" },
    { "li", "li", "ul ol" },
    { "td", "td th", "tr table" },
    { "th", "td th", "tr table" },
    { "tr", "tr td th", "table tbody thead tfoot" },
    { "p", "p", "div td th li" },
};

bool InList(const char* list, const std::string& tag)
{
    size_t length = tag.size();
    for (const char* p = list; (p = std::strstr(p, tag.c_str())) != nullptr; p += length) {
        bool startOk = p == list || p[-1] == ' ';
        bool endOk = p[length] == '\0' || p[length] == ' ';
        if (startOk && endOk)
            return true;
    }
    return false;
}

class TreeBuilder {
public:
    explicit TreeBuilder(Element& container) { open_.push_back(&container); }

    void Add(HtmlToken& token)
    {
        switch (token.kind) {
        case HtmlToken::Kind::Text: open_.back()->AppendNode(new TextNode(std::move(token.text))); break;
        case HtmlToken::Kind::StartTag: Open(token); break;
        case HtmlToken::Kind::EndTag: Close(token.name); break;
        case HtmlToken::Kind::Comment: break;  // comments are not kept
        }
    }

private:
    void Open(HtmlToken& token)
    {
        CloseImplied(token.name);
        Element* element = new Element(token.name);
        for (Attribute& attribute : token.attributes)
            element->SetAttribute(attribute.name, std::move(attribute.value));
        open_.back()->AppendNode(element);
        if (!token.selfClosing && !IsVoid(token.name))
            open_.push_back(element);
    }

    void CloseImplied(const std::string& tag)
    {
        for (const ImpliedEnd& rule : kImpliedEnds) {
            if (tag != rule.opening)
                continue;
            size_t outermost = open_.size();
            for (size_t i = open_.size() - 1; i > 0 && !InList(rule.boundary, open_[i]->Tag()); --i)
                if (InList(rule.closes, open_[i]->Tag()))
                    outermost = i;
            open_.resize(outermost);
        }
    }

    // HTML 13.2.6.4.7 "any other end tag": pop up to the nearest open element of that name;
    // with none open, the end tag is ignored.
    void Close(const std::string& tag)
    {
        for (size_t i = open_.size() - 1; i > 0; --i)
            if (open_[i]->Tag() == tag) {
                open_.resize(i);
                return;
            }
    }

    std::vector<Element*> open_;
};

void Build(std::wstring_view markup, Element& container)
{
    TreeBuilder builder(container);
    TokenizeHtml(markup, [&](HtmlToken& token) { builder.Add(token); });
}

bool IsBlankText(const Node* node)
{
    if (node->IsElement())
        return false;
    const std::wstring& text = static_cast<const TextNode*>(node)->Text();
    return text.find_first_not_of(L" \t\r\n") == std::wstring::npos;
}

}  // namespace

std::vector<Node*> ParseFragment(std::wstring_view markup)
{
    Element container("fragment");
    Build(markup, container);
    return container.TakeNodes();
}

Element* ParseDocument(std::wstring_view markup)
{
    Element* container = new Element("html");
    Build(markup, *container);
    Element* html = nullptr;
    for (Node* node : container->Nodes()) {
        if (IsBlankText(node))
            continue;
        bool isHtml = node->IsElement() && static_cast<Element*>(node)->Tag() == "html";
        if (!isHtml || html)
            return container;
        html = static_cast<Element*>(node);
    }
    if (!html)
        return container;
    container->RemoveNode(html);
    for (Node* node : container->TakeNodes())
        delete node;  // blank text only
    delete container;
    return html;
}

}  // namespace htmlengine
