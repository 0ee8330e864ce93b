#include "htmlengine/window/FocusTraversal.h"

#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/events/Focus.h"
#include "htmlengine/document/events/FocusScope.h"
#include "htmlengine/document/events/TabOrder.h"
#include "htmlengine/document/events/UserInput.h"
#include "htmlengine/document/style/ComputedStyle.h"
#include "htmlengine/layout/LayoutView.h"

#include <algorithm>

namespace htmlengine {

namespace {

// Laid out, with a box, and visible.
std::function<bool(Element&)> ShownIn(LayoutView& layout)
{
    return [&layout](Element& element) {
        Rect rect;
        return layout.ElementRect(element, rect) && ComputedStyleOf(element)->visibility == Visibility::Visible;
    };
}

}  // namespace

Element* NextInTabOrder(Document& document, LayoutView& layout, Element* from, bool backwards)
{
    SettleFocusScope(document);
    Element* scope = InputScope(document) ? InputScope(document) : document.Root();
    if (!scope)
        return nullptr;
    std::vector<Element*> stops = TabStops(document, *scope, ShownIn(layout));
    if (stops.empty())
        return nullptr;
    auto at = std::find(stops.begin(), stops.end(), from);
    if (at == stops.end())
        return backwards ? stops.back() : stops.front();
    size_t index = size_t(at - stops.begin());
    return stops[backwards ? (index + stops.size() - 1) % stops.size() : (index + 1) % stops.size()];
}

Element* FocusTarget(Document& document, LayoutView& layout, Element* wanted, Element* root)
{
    SettleFocusScope(document);
    auto shown = ShownIn(layout);
    if (wanted && !wanted->deleted && wanted->OwnerDocument() == &document && FocusableAncestor(*wanted) == wanted &&
        TakesInput(document, *wanted) && shown(*wanted))
        return wanted;
    if (!root || root->deleted || root->OwnerDocument() != &document)
        return nullptr;
    std::vector<Element*> stops = TabStops(document, *root, shown);
    return stops.empty() ? nullptr : stops.front();
}

}  // namespace htmlengine
