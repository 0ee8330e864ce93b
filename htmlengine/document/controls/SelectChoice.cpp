#include "htmlengine/document/controls/SelectChoice.h"

#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/dom/ElementLifetime.h"
#include "htmlengine/document/dom/ElementStates.h"

#include <functional>

namespace htmlengine {

namespace {

void ForEachOption(Element& element, const std::function<void(Element&)>& visit)
{
    for (Element* child : element.Children()) {
        if (child->Tag() == "option")
            visit(*child);
        if (child->Tag() != "select")
            ForEachOption(*child, visit);
    }
}

Element* FindCaption(Element& select)
{
    for (Element* child : select.Children())
        if (child->Tag() == "caption")
            return child;
    return nullptr;
}

void SetText(Element& element, const std::wstring& text)
{
    DiscardNodes(element.TakeNodes());
    if (!text.empty())
        element.AppendNode(new TextNode(text));
}

}  // namespace

Element* SelectOf(Element& option)
{
    for (Element* e = option.Parent(); e; e = e->Parent())
        if (e->Tag() == "select")
            return e;
    return nullptr;
}

std::vector<Element*> OptionsOf(Element& select)
{
    std::vector<Element*> options;
    ForEachOption(select, [&](Element& option) { options.push_back(&option); });
    return options;
}

Element* OptionAround(Element& target, const Element& select)
{
    for (Element* e = &target; e && e != &select; e = e->Parent())
        if (e->Tag() == "option")
            return e;
    return nullptr;
}

Element* ChosenOption(Element& select)
{
    Element* chosen = nullptr;
    ForEachOption(select, [&](Element& option) {
        if (!chosen && (option.State() & kStateChecked))
            chosen = &option;
    });
    return chosen;
}

void ChooseOption(Element& select, Element* option)
{
    ForEachOption(select, [&](Element& each) {
        unsigned state = each.State();
        each.SetStateBits(&each == option ? state | kStateChecked : state & ~kStateChecked);
    });
    RefreshCaption(select);
}

void RefreshCaption(Element& select)
{
    Element* caption = FindCaption(select);
    if (!caption)
        return;
    Element* chosen = ChosenOption(select);
    while (!caption->Attributes().empty())
        caption->RemoveAttribute(caption->Attributes().front()->name);
    if (chosen) {
        for (const auto& attribute : chosen->Attributes())
            caption->SetAttribute(attribute->name, attribute->value);
        SetText(*caption, TextContent(*chosen));
    } else {
        SetText(*caption, select.AttributeOr("novalue"));
    }
    if (Document* document = select.OwnerDocument())
        document->BoxesChanged(*caption);
}

}  // namespace htmlengine
