#include "ui/shared/PageText.h"

#include "core/TextCodec.h"
#include "ui/toolkit/ElementHelpers.h"

namespace mainpage {

void SetMarkup(htmlayout::dom::element element, const std::wstring& markup, int where)
{
    if (markup.empty()) {
        if (where == SIH_REPLACE_CONTENT)
            element.set_text(L"");
        return;
    }
    Quorvane::WideToUtf8 utf8(markup);
    element.set_html(reinterpret_cast<const unsigned char*>(utf8.c_str()), static_cast<UINT>(utf8.size()), where);
}

void SetPlainText(htmlayout::dom::element element, const std::wstring& text)
{
    element.set_text(text.c_str());
}

void SetShown(htmlayout::dom::element element, bool shown)
{
    if (shown)
        htmlayout::expand(element);
    else
        htmlayout::collapse(element);
}

void SetEnabled(htmlayout::dom::element element, bool enabled)
{
    if (enabled)
        element.set_state(0, STATE_DISABLED, true);
    else
        element.set_state(STATE_DISABLED, 0, true);
    element.update();
}

}  // namespace mainpage
