#include "htmlengine/document/events/AttributeEffects.h"

#include "htmlengine/document/controls/StateRules.h"
#include "htmlengine/document/css/CssParser.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/dom/ElementStates.h"
#include "htmlengine/document/events/Adoption.h"
#include "htmlengine/document/window/ProgressAnimation.h"

namespace htmlengine {

namespace {

void ReportStyleErrors(Document& document, Element& element)
{
    std::vector<std::wstring> errors;
    ParseDeclarations(element.AttributeOr("style"), errors);
    for (const std::wstring& error : errors) document.LogError(L"style attribute: " + error);
}

}  // namespace

void AttributeChanged(Element& element, const std::string& name)
{
    Document* document = element.OwnerDocument();
    if (document) document->InvalidateStyles();
    if (name == "disabled") {
        bool disabled = element.HasAttribute("disabled");
        ChangeState(element, disabled ? kStateDisabled : 0, disabled ? 0 : kStateDisabled);
    }
    if (!document) return;
    if (name == "style") ReportStyleErrors(*document, element);
    if (name == "style" || name == "class") AttachBehaviors(element);
    if (name == "src" || name == "style" || name == "class") RequestImages(element);
    if (name == "requested-value") StartProgressAnimation(*document);
}

}  // namespace htmlengine
