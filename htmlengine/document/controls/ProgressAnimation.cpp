#include "htmlengine/document/controls/ProgressAnimation.h"

#include "htmlengine/document/controls/SelectControls.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/DocumentHost.h"
#include "htmlengine/document/dom/Element.h"

namespace htmlengine {

namespace {

const UINT kStepMilliseconds = 20;

bool StepAll(Element& element)
{
    bool moving = element.Tag() == "progress" && StepProgress(element);
    for (Element* child : element.Children())
        moving = StepAll(*child) || moving;
    return moving;
}

HWND WindowOf(Document& document)
{
    return static_cast<HWND>(document.Host().WindowHandle());
}

}  // namespace

void StartProgressAnimation(Document& document)
{
    if (HWND hwnd = WindowOf(document))
        SetTimer(hwnd, kProgressTimerId, kStepMilliseconds, nullptr);
}

void StepProgressAnimation(Document& document)
{
    bool moving = document.Root() && StepAll(*document.Root());
    if (!moving)
        if (HWND hwnd = WindowOf(document))
            KillTimer(hwnd, kProgressTimerId);
}

}  // namespace htmlengine
