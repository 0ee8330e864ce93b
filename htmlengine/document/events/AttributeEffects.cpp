#include "htmlengine/document/events/AttributeEffects.h"

#include "htmlengine/document/controls/StateRules.h"
#include "htmlengine/document/style/ElementStyle.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/dom/ElementStates.h"
#include "htmlengine/document/events/Adoption.h"
#include "htmlengine/document/images/ImageData.h"
#include "htmlengine/document/controls/ProgressAnimation.h"

namespace htmlengine {

namespace {

// Attributes that change boxes, not only styles: a picture, a span, a control's kind or text.
bool ShapesBoxes(const std::string& name)
{
    return name == "src" || name == "colspan" || name == "rowspan" || name == "type" || name == "size" ||
           name == "value" || name == "novalue";
}

}  // namespace

void AttributeChanged(Element& element, const std::string& name)
{
    Document* document = element.OwnerDocument();
    if (document && ShapesBoxes(name))
        document->BoxesChanged(element);
    else if (document)
        document->StyleChanged(element);
    if (name == "disabled") {
        bool disabled = element.HasAttribute("disabled");
        ChangeState(element, disabled ? kStateDisabled : 0, disabled ? 0 : kStateDisabled);
    }
    if (!document)
        return;
    if (name == "style")
        ReportStyleAttributeErrors(element);
    if (name == "style" || name == "class")
        AttachBehaviors(element);
    if (name == "src" || name == "style" || name == "class")
        RequestImages(element);
    if (name == "requested-value")
        StartProgressAnimation(*document);
}

void SetRuntimeStyle(Element& element, const std::string& property, const std::wstring& value)
{
    SetDeclaration(element.Style().runtime, property, value);
    if (Document* document = element.OwnerDocument())
        document->StyleChanged(element);
    if (property == "behavior")
        AttachBehaviors(element);
}

}  // namespace htmlengine
