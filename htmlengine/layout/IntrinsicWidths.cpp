#include "htmlengine/layout/IntrinsicWidths.h"

#include "htmlengine/document/dom/Element.h"
#include "htmlengine/layout/BoxSizes.h"
#include "htmlengine/layout/BoxState.h"
#include "htmlengine/layout/FlexLayout.h"
#include "htmlengine/layout/InlineLayout.h"
#include "htmlengine/layout/TableLayout.h"

#include <algorithm>

namespace htmlengine {

namespace {

// The default sizes of controls, in characters of their font (CSS Sizing 3 §5.1 leaves them to us).
Size ControlSize(Box& box, LayoutContext& context)
{
    Element& element = *box.element;
    const Font* font = box.style->font;
    int digit = std::max(1, context.text.Width(font, L"0"));
    int line = box.style->LineHeightPx(context.text.Metrics(font).lineHeight);
    const std::string& tag = element.Tag();
    std::wstring type = element.AttributeOr("type");
    if (tag == "progress")
        return { 160, 10 };
    if (type == L"checkbox" || type == L"radio")
        return { 13, 13 };
    if (type == L"button" || type == L"submit")
        return { context.text.Width(font, element.AttributeOr("value")), line };
    if (type == L"date")
        return { context.text.Width(font, L"0000-00-00") + 20, line };
    if (tag == "textarea")
        return { 20 * digit, 2 * line };
    int columns = std::max(1, int(std::wcstol(element.AttributeOr("size", L"20").c_str(), nullptr, 10)));
    return { std::min(columns, 200) * digit, line };
}

Intrinsic BlockChildrenWidths(Box& box, LayoutContext& context)
{
    Intrinsic widths;
    for (const std::unique_ptr<Box>& child : box.children) {
        if (child->style->IsOutOfFlow())
            continue;
        Intrinsic outer = OuterIntrinsicWidths(*child, context);
        widths.min = std::max(widths.min, outer.min);
        widths.max = std::max(widths.max, outer.max);
    }
    return widths;
}

Intrinsic ContentWidths(Box& box, LayoutContext& context)
{
    BoxState& state = StateOf(box);
    switch (state.kind) {
    case BoxKind::Table: return TableIntrinsicWidths(box, context);
    case BoxKind::Flex: return FlexIntrinsicWidths(box, context);
    case BoxKind::Replaced: {
        int width = ReplacedIntrinsicSize(box, context).width;
        return { width, width };
    }
    default: return state.holdsLines ? InlineIntrinsicWidths(box, context) : BlockChildrenWidths(box, context);
    }
}

Intrinsic Compute(Box& box, LayoutContext& context)
{
    ResolveEdges(box, 0);
    int chrome = HorizontalChrome(box);
    const Length& width = box.style->width;
    if (StateOf(box).kind == BoxKind::Table) {
        Intrinsic table = TableIntrinsicWidths(box, context);  // a table is never narrower than its columns
        if (width.unit == Length::Unit::Px)
            table.min = table.max = std::max(table.min, width.Resolve(0));
        return table;
    }
    Intrinsic content;
    if (width.unit == Length::Unit::Px) {
        int specified = SpecifiedContentWidth(box, 0);
        content = { specified, specified };
    } else {
        content = ContentWidths(box, context);
    }
    content.min = ClampContentWidth(box, content.min, 0);
    content.max = std::max(content.min, ClampContentWidth(box, content.max, 0));
    return { content.min + chrome, content.max + chrome };
}

}  // namespace

Intrinsic IntrinsicWidths(Box& box, LayoutContext& context)
{
    BoxState& state = StateOf(box);
    if (!state.intrinsicKnown) {
        Intrinsic widths = Compute(box, context);
        state.minContent = widths.min;
        state.maxContent = widths.max;
        state.intrinsicKnown = true;
    }
    return { state.minContent, state.maxContent };
}

Intrinsic OuterIntrinsicWidths(Box& box, LayoutContext& context)
{
    Intrinsic widths = IntrinsicWidths(box, context);
    int margins = std::max(0, box.style->margin[kLeft].Resolve(0)) + std::max(0, box.style->margin[kRight].Resolve(0));
    return { widths.min + margins, widths.max + margins };
}

int ContentMinWidth(Box& box, LayoutContext& context)
{
    ResolveEdges(box, 0);
    return ContentWidths(box, context).min + HorizontalChrome(box);
}

Size ReplacedIntrinsicSize(Box& box, LayoutContext& context)
{
    if (box.replaced != Replaced::Image)
        return ControlSize(box, context);
    Size size;
    if (box.imageUrl.empty() || !context.images.IntrinsicSize(context.document, box.imageUrl, size))
        return {};
    return size;
}

}  // namespace htmlengine
