#include "htmlengine/document/controls/ControlLook.h"

namespace htmlengine {

// Neutral colours only (the system's highlight and greys): the program's look is its own sheets'.
// Focus thickens a 1 px border to 2 px and takes the pixel from the padding, so nothing moves;
// check boxes and radios get a ring 2 px outside instead, and so do links and whatever else a
// page makes focusable.
const wchar_t* ControlLookStyleSheet()
{
    return L"input:focus, select:focus, button:focus { border-width: 2px; border-color: Highlight }"
           L"input:focus { padding: 3px 7px }"
           L"input[type=date] { padding-right: 26px }"
           L"input[type=date]:focus { padding-right: 25px }"
           L"select:focus { padding: 3px 0 3px 7px }"
           L"button:focus { padding: 4px 11px }"
           L"input[type=checkbox]:focus, input[type=radio]:focus { border: none; padding: 0;"
           L" outline: 2px solid Highlight; outline-offset: 2px }"
           L"button[type=checkbox]:focus, button[type=radio]:focus { border: none; padding: 0 0 0 18px;"
           L" outline: 1px solid Highlight; outline-offset: 1px }"
           L"a[href]:focus, [tabindex]:focus { outline: 2px solid Highlight; outline-offset: 1px }"
           L"input:disabled, select:disabled, button:disabled { background-color: ButtonFace; border-color: #C8C8C8;"
           L" color: GrayText }"
           L"button[type=checkbox]:disabled, button[type=radio]:disabled { background-color: transparent }"
           L"select > button { background-image: url(stock:chevron-down); background-repeat: no-repeat;"
           L" background-position: 50% 50%; color: GrayText }"
           L"select > popup { max-height: 362px }"
           L"popup > option:current { background-color: Highlight; color: HighlightText }"
           L"option:disabled { color: GrayText }"
           L"progress { background-color: ButtonFace; border-radius: 5px; color: Highlight }";
}

}  // namespace htmlengine
