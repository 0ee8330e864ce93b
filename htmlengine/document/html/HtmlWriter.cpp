#include "htmlengine/document/html/HtmlWriter.h"

#include "htmlengine/document/dom/AsciiCase.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/html/Entities.h"

namespace htmlengine {

namespace {

bool IsRawText(const Element& element)
{
    return element.Tag() == "style" || element.Tag() == "script";
}

void WriteElement(const Element& element, std::wstring& out);

void WriteContent(const Element& element, std::wstring& out)
{
    for (const Node* node : element.Nodes()) {
        if (node->IsElement()) {
            WriteElement(static_cast<const Element&>(*node), out);
            continue;
        }
        const std::wstring& text = static_cast<const TextNode*>(node)->Text();
        out += IsRawText(element) ? text : EscapeText(text);
    }
}

void WriteElement(const Element& element, std::wstring& out)
{
    std::wstring tag = Widen(element.Tag());
    out += L"<" + tag;
    for (const auto& attribute : element.Attributes())
        out += L" " + Widen(attribute->name) + L"=\"" + EscapeAttribute(attribute->value) + L"\"";
    if (element.Nodes().empty() && (tag == L"img" || tag == L"br" || tag == L"hr" || tag == L"input")) {
        out += L">";
        return;
    }
    out += L">";
    WriteContent(element, out);
    out += L"</" + tag + L">";
}

}  // namespace

std::wstring InnerHtml(const Element& element)
{
    std::wstring out;
    WriteContent(element, out);
    return out;
}

std::wstring OuterHtml(const Element& element)
{
    std::wstring out;
    WriteElement(element, out);
    return out;
}

}  // namespace htmlengine
