#include "htmlengine/window/FocusTraversal.h"

#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/events/Focus.h"
#include "htmlengine/document/events/FocusScope.h"
#include "htmlengine/document/events/TabOrder.h"

#include <algorithm>

namespace htmlengine {

Element* NextInTabOrder(Document& document, Element* from, bool backwards)
{
    SettleFocusScope(document);
    Element* scope = InputScope(document) ? InputScope(document) : document.Root();
    if (!scope)
        return nullptr;
    std::vector<Element*> stops = TabStops(document, *scope);
    if (stops.empty())
        return nullptr;
    auto at = std::find(stops.begin(), stops.end(), from);
    if (at == stops.end())
        return backwards ? stops.back() : stops.front();
    size_t index = size_t(at - stops.begin());
    return stops[backwards ? (index + stops.size() - 1) % stops.size() : (index + 1) % stops.size()];
}

Element* FocusTarget(Document& document, Element* wanted, Element* root)
{
    SettleFocusScope(document);
    if (CanHoldFocus(document, wanted) && FocusableAncestor(*wanted) == wanted)
        return wanted;
    if (!root || root->deleted || root->OwnerDocument() != &document)
        return nullptr;
    return FirstTabStop(document, *root);
}

}  // namespace htmlengine
