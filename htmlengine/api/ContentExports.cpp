// Markup, text, attributes and styles of elements.
#include "htmlengine/document/dom/AsciiCase.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/dom/ElementLifetime.h"
#include "htmlengine/document/events/Adoption.h"
#include "htmlengine/document/events/AttributeEffects.h"
#include "htmlengine/api/Handles.h"
#include "htmlengine/document/html/HtmlParser.h"
#include "htmlengine/document/html/HtmlWriter.h"
#include "htmlengine/document/html/Utf8.h"
#include "htmlengine/document/style/Cascade.h"
#include "htmlengine/document/html/DocumentLoader.h"

#include <algorithm>

using namespace htmlengine;

namespace {

size_t NodeIndex(Element& parent, Node* node)
{
    const auto& nodes = parent.Nodes();
    return std::find(nodes.begin(), nodes.end(), node) - nodes.begin();
}

// Puts the fragment where asked; returns false for a place that does not exist.
bool Place(Element& element, const std::vector<Node*>& nodes, UINT where)
{
    Element* parent = element.Parent();
    switch (where) {
    case SIH_REPLACE_CONTENT:
        DiscardContent(element);
        element.InsertNodes(0, nodes);
        return true;
    case SIH_INSERT_AT_START: element.InsertNodes(0, nodes); return true;
    case SIH_APPEND_AFTER_LAST: element.InsertNodes(element.Nodes().size(), nodes); return true;
    case SOH_INSERT_BEFORE:
        if (!parent)
            return false;
        parent->InsertNodes(NodeIndex(*parent, &element), nodes);
        return true;
    case SOH_INSERT_AFTER:
        if (!parent)
            return false;
        parent->InsertNodes(NodeIndex(*parent, &element) + 1, nodes);
        return true;
    default: return false;
    }
}

ENGINE_RESULT ReplaceOuter(Element& element, const std::vector<Node*>& nodes)
{
    Element* parent = element.Parent();
    if (!parent)
        return ENGINE_INVALID_PARAMETER;
    parent->InsertNodes(NodeIndex(*parent, &element), nodes);
    DetachBehaviors(element);
    Unlink(element);
    parent->RemoveNode(&element);
    MarkDeleted(&element);
    ReleaseIfUnreferenced(&element);
    return ENGINE_OK;
}

std::vector<Element*> ElementsOf(const std::vector<Node*>& nodes)
{
    std::vector<Element*> elements;
    for (Node* node : nodes)
        if (node->IsElement())
            elements.push_back(static_cast<Element*>(node));
    return elements;
}

}  // namespace

ENGINE_API HTMLayoutSetElementHtml(HELEMENT he, const BYTE* utf8, DWORD length, UINT where)
{
    Element* element = LiveElement(he);
    if (!element)
        return ENGINE_INVALID_HANDLE;
    if (!utf8 && length)
        return ENGINE_INVALID_PARAMETER;
    return Guarded([&] {
        ElementHold target(*element);  // the program, asked for included URLs, may delete it
        std::vector<Node*> nodes = ParseFragment(DecodeUtf8(utf8, length));
        if (Document* document = element->OwnerDocument())
            ResolveIncludesAndStyles(*document, nodes);
        if (element->deleted) {
            DiscardNodes(nodes);
            return ENGINE_INVALID_HANDLE;
        }
        // Behaviours told that the old content goes, or that new elements came, may delete any of them.
        ElementHold added(ElementsOf(nodes));
        ENGINE_RESULT result = where == SOH_REPLACE            ? ReplaceOuter(*element, nodes)
                               : Place(*element, nodes, where) ? ENGINE_OK
                                                               : ENGINE_INVALID_PARAMETER;
        if (result != ENGINE_OK) {
            DiscardNodes(nodes);
            return result;
        }
        for (Element* adopted : added.Elements())
            if (!adopted->deleted)
                AdoptSubtree(*adopted);
        return result;
    });
}

ENGINE_API HTMLayoutGetElementHtmlCB(HELEMENT he, BOOL outer, BYTES_RECEIVER receiver, LPVOID param)
{
    Element* element = LiveElement(he);
    if (!element)
        return ENGINE_INVALID_HANDLE;
    if (!receiver)
        return ENGINE_INVALID_PARAMETER;
    return Guarded([&] {
        std::string html = EncodeUtf8(outer ? OuterHtml(*element) : InnerHtml(*element));
        receiver(reinterpret_cast<const BYTE*>(html.c_str()), UINT(html.size()), param);
        return ENGINE_OK;
    });
}

ENGINE_API HTMLayoutSetElementInnerText16(HELEMENT he, const wchar_t* text, UINT length)
{
    Element* element = LiveElement(he);
    if (!element)
        return ENGINE_INVALID_HANDLE;
    if (!text && length)
        return ENGINE_INVALID_PARAMETER;
    return Guarded([&] {
        DiscardContent(*element);
        if (length)
            element->AppendNode(new TextNode(std::wstring(text, length)));
        return ENGINE_OK;
    });
}

ENGINE_API HTMLayoutGetElementInnerTextCB(HELEMENT he, WIDE_TEXT_RECEIVER receiver, LPVOID param)
{
    Element* element = LiveElement(he);
    if (!element)
        return ENGINE_INVALID_HANDLE;
    if (!receiver)
        return ENGINE_INVALID_PARAMETER;
    return Guarded([&] {
        std::wstring text = TextContent(*element);
        if (!text.empty())
            receiver(text.c_str(), UINT(text.size()), param);
        return ENGINE_OK;
    });
}

ENGINE_API HTMLayoutGetAttributeByName(HELEMENT he, const char* name, const wchar_t** value)
{
    Element* element = LiveElement(he);
    if (!element)
        return ENGINE_INVALID_HANDLE;
    if (!name || !value)
        return ENGINE_INVALID_PARAMETER;
    const std::wstring* found = element->FindAttribute(name);
    *value = found ? found->c_str() : nullptr;
    return ENGINE_OK;
}

ENGINE_API HTMLayoutSetAttributeByName(HELEMENT he, const char* name, const wchar_t* value)
{
    Element* element = LiveElement(he);
    if (!element)
        return ENGINE_INVALID_HANDLE;
    if (!name || !*name)
        return ENGINE_INVALID_PARAMETER;
    return Guarded([&] {
        if (value)
            element->SetAttribute(name, value);
        else
            element->RemoveAttribute(name);
        AttributeChanged(*element, ToLowerAscii(std::string(name)));
        return ENGINE_OK;
    });
}

ENGINE_API HTMLayoutGetStyleAttribute(HELEMENT he, const char* name, const wchar_t** value)
{
    Element* element = LiveElement(he);
    if (!element)
        return ENGINE_INVALID_HANDLE;
    if (!name || !value)
        return ENGINE_INVALID_PARAMETER;
    return Guarded([&] {
        const CascadedValues& style = CascadedStyle(*element);
        auto found = style.find(ToLowerAscii(std::string(name)));
        *value = found == style.end() ? nullptr : found->second.c_str();
        return ENGINE_OK;
    });
}

ENGINE_API HTMLayoutSetStyleAttribute(HELEMENT he, const char* name, const wchar_t* value)
{
    Element* element = LiveElement(he);
    if (!element)
        return ENGINE_INVALID_HANDLE;
    if (!name || !*name)
        return ENGINE_INVALID_PARAMETER;
    return Guarded([&] {
        SetRuntimeStyle(*element, ToLowerAscii(std::string(name)), value ? value : L"");
        return ENGINE_OK;
    });
}
