#include "htmlengine/document/events/Adoption.h"

#include "htmlengine/document/controls/Control.h"
#include "htmlengine/document/controls/ControlFactory.h"
#include "htmlengine/document/controls/SelectChoice.h"
#include "htmlengine/document/controls/StateRules.h"
#include "htmlengine/document/css/CssParser.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/DocumentHost.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/dom/ElementLifetime.h"
#include "htmlengine/document/events/Dispatcher.h"
#include "htmlengine/document/events/HandlerBinding.h"
#include "htmlengine/document/images/ImageData.h"
#include "htmlengine/document/style/Cascade.h"
#include "htmlengine/document/style/CssValues.h"

#include <sstream>

namespace htmlengine {

namespace {

void SendInit(Element& element, const HandlerBinding& handler, UINT cmd)
{
    INITIALIZATION_PARAMS params = { cmd };
    CallHandler(handler, &element, GROUP_INITIALIZATION, &params);
}

bool IsAttached(Element& element, const std::string& name)
{
    for (const HandlerBinding& handler : element.Handlers())
        if (handler.behaviorName == name)
            return true;
    return false;
}

void AttachOne(Document& document, Element& element, const std::string& name)
{
    HandlerBinding binding;
    if (document.Host().AttachBehavior(element, name, binding)) {
        binding.behaviorName = name;
        element.Handlers().push_back(binding);
        SendInit(element, binding, 1);
        return;
    }
    std::unique_ptr<Control> control;
    if (!BuiltInBehavior(name, element, control))
        return;
    if (control)
        element.SetControl(std::move(control));
    element.Handlers().push_back({ nullptr, nullptr, 0, name });  // marks the name as attached
}

void Adopt(Document& document, Element& element)
{
    if (!element.adopted) {
        element.adopted = true;
        ApplyMarkupStates(element);
        if (!element.GetControl())
            element.SetControl(ImplicitControl(element));
        ReportStyleAttributeErrors(element);
        RequestImages(element);
    }
    AttachBehaviors(element);
    // A behaviour told of its attachment may delete any of the children.
    ElementHold children(element.Children());
    for (Element* child : children.Elements())
        if (!child->deleted)
            Adopt(document, *child);
    if (element.Tag() == "select")
        RefreshCaption(element);
}

}  // namespace

void AdoptSubtree(Element& root)
{
    Document* document = root.OwnerDocument();
    if (!document)
        return;
    ElementHold hold(root);
    document->BoxesChanged(root.Parent() ? *root.Parent() : root);
    Adopt(*document, root);
}

void AttachBehaviors(Element& element)
{
    Document* document = element.OwnerDocument();
    if (!document)
        return;
    std::wstring names = StyleProperty(element, "behavior");
    if (names.empty() && !element.HasStyle())
        return;
    if (names == element.Style().attachedBehaviors)
        return;
    element.Style().attachedBehaviors = names;
    std::wistringstream list(names);
    for (std::wstring name; list >> name;) {
        std::string narrow(name.begin(), name.end());
        if (!IsAttached(element, narrow))
            AttachOne(*document, element, narrow);
        if (element.deleted)
            return;
    }
}

void DetachBehaviors(Element& root)
{
    std::vector<HandlerBinding> handlers;
    if (root.HasHandlers())
        handlers.swap(root.Handlers());
    for (const HandlerBinding& handler : handlers)
        if (handler.proc)
            SendInit(root, handler, 0);
    ElementHold children(root.Children());  // a behaviour told of its detachment may delete them
    for (Element* child : children.Elements())
        DetachBehaviors(*child);
}

void ReportStyleAttributeErrors(Element& element)
{
    Document* document = element.OwnerDocument();
    const std::wstring* style = element.FindAttribute("style");
    if (!document || !style)
        return;
    std::vector<std::wstring> errors;
    ParseDeclarations(*style, errors);
    for (const std::wstring& error : errors)
        document->LogError(L"style attribute: " + error);
}

void DiscardContent(Element& element)
{
    {
        ElementHold children(element.Children());
        for (Element* child : children.Elements()) {
            DetachBehaviors(*child);
            Unlink(*child);
        }
    }
    DiscardNodes(element.TakeNodes());
    if (Document* document = element.OwnerDocument())
        document->BoxesChanged(element);
}

void Unlink(Element& element)
{
    if (Document* document = element.OwnerDocument()) {
        document->Forget(element);
        if (Element* parent = element.Parent())
            document->BoxesChanged(*parent);
        else
            document->InvalidateStyles();
    }
}

}  // namespace htmlengine
