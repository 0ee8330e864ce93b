#pragma once
// Splits markup into tags, text and comments, leniently: what is not a well-formed tag is
// text. Besides HTML it takes our shorthand "<div .name>" for class="name".
#include "htmlengine/document/html/HtmlToken.h"

#include <functional>
#include <string_view>

namespace htmlengine {

// Hands each token over as soon as it is read; the receiver may move from it.
void TokenizeHtml(std::wstring_view markup, const std::function<void(HtmlToken&)>& receive);

}  // namespace htmlengine
