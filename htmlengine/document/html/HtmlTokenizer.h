#pragma once
// Splits markup into tags, text and comments, leniently: what is not a well-formed tag is
// text. Besides HTML it takes our shorthand "<div .name>" for class="name".
#include "htmlengine/document/html/HtmlToken.h"

#include <string_view>
#include <vector>

namespace htmlengine {

std::vector<HtmlToken> TokenizeHtml(std::wstring_view markup);

}  // namespace htmlengine
