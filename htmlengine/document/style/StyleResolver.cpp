// The typed computed style: the initial values, the inherited ones from the parent, then
// the element's declarations from the cascade, weakest first, font properties before the
// rest (em refers to the font size), then CSS 2.1 §9.7's rules between display, position
// and float.
#include "htmlengine/document/dom/AsciiCase.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/style/Cascade.h"
#include "htmlengine/document/style/ComputedStyle.h"
#include "htmlengine/document/style/StyleProperties.h"

#include <vector>

namespace htmlengine {

namespace {

const ComputedStyle& InitialStyle()
{
    static const ComputedStyle initial = [] {
        ComputedStyle style;
        Font font;
        font.families = {L"Segoe UI", L"Tahoma", L"sans-serif"};
        style.font = InternFont(font);
        style.borderSpacingX = style.borderSpacingY = 0;
        return style;
    }();
    return initial;
}

// CSS 2.1 Appendix F: the properties that inherit (text decoration too: a line through a
// cell strikes the text of its spans).
ComputedStyle Inherited(const ComputedStyle& parent)
{
    ComputedStyle style = InitialStyle();
    style.color = parent.color;
    style.font = parent.font;
    style.textAlign = parent.textAlign;
    style.textDecoration = parent.textDecoration;
    style.textTransform = parent.textTransform;
    style.whiteSpace = parent.whiteSpace;
    style.lineHeight = parent.lineHeight;
    style.listStyleType = parent.listStyleType;
    style.visibility = parent.visibility;
    style.cursor = parent.cursor;
    style.pointerEvents = parent.pointerEvents;
    style.borderCollapse = parent.borderCollapse;
    style.borderSpacingX = parent.borderSpacingX;
    style.borderSpacingY = parent.borderSpacingY;
    for (BorderSide& side : style.border) side.width = kMediumBorderWidth;
    style.outline.width = kMediumBorderWidth;
    return style;
}

void Report(Element& element, const std::wstring& message)
{
    if (Document* document = element.OwnerDocument()) document->LogErrorOnce(L"CSS: " + message);
}

void Apply(Element& element, ComputedStyle& style, const Declaration& declaration, const PropertyContext& context)
{
    const PropertyDefinition* definition = FindProperty(declaration.property);
    if (!definition) {
        if (!IsNonVisualProperty(declaration.property))
            Report(element, L"property not supported: " + Widen(declaration.property));
        return;
    }
    const std::wstring& value = declaration.value;
    if (EqualsNoCase(value, L"inherit"))
        definition->copy(style, context.parent);
    else if (EqualsNoCase(value, L"initial") || EqualsNoCase(value, L"unset"))
        definition->copy(style, InitialStyle());
    else if (!definition->apply(style, value, context))
        Report(element, L"value not understood: " + Widen(declaration.property) + L": " + value);
}

void ResolveBorder(BorderSide& side)
{
    if (side.style == BorderStyle::None || side.style == BorderStyle::Hidden)
        side.width = 0;
    else if (side.width == kMediumBorderWidth)
        side.width = 3;
}

// CSS 2.1 §9.7: absolute and fixed boxes do not float; they, floats and the root are blocks.
Display Blockified(Display display)
{
    switch (display) {
    case Display::Inline:
    case Display::InlineBlock:
    case Display::TableRowGroup:
    case Display::TableHeaderGroup:
    case Display::TableFooterGroup:
    case Display::TableRow:
    case Display::TableCell:
    case Display::TableCaption: return Display::Block;
    case Display::InlineTable: return Display::Table;
    case Display::InlineFlex: return Display::Flex;
    default: return display;
    }
}

void Finish(ComputedStyle& style, bool isRoot)
{
    for (BorderSide& side : style.border) ResolveBorder(side);
    ResolveBorder(style.outline);
    // CSS Overflow 3 §3: one axis scrolling makes the other at least auto.
    if (style.overflowX == Overflow::Visible && style.overflowY != Overflow::Visible) style.overflowX = Overflow::Auto;
    if (style.overflowY == Overflow::Visible && style.overflowX != Overflow::Visible) style.overflowY = Overflow::Auto;
    if (style.display == Display::None) return;
    if (style.IsOutOfFlow()) style.floating = Float::None;
    if (style.IsOutOfFlow() || style.floating != Float::None || isRoot) style.display = Blockified(style.display);
}

std::shared_ptr<const ComputedStyle> Compute(Element& element, const ComputedStyle& parent, float rootFontSize)
{
    ComputedStyle style = Inherited(parent);
    Apply(element, style, {"display", DefaultDisplay(element), false}, {parent, {}});
    DeclarationList inlineStyle;
    std::vector<const Declaration*> declarations = MatchedDeclarations(element, inlineStyle);
    PropertyContext fonts{parent, {float(parent.font->size), rootFontSize}};
    for (const Declaration* declaration : declarations)
        if (IsFontProperty(declaration->property)) Apply(element, style, *declaration, fonts);
    PropertyContext rest{parent, {float(style.font->size), element.Parent() ? rootFontSize : float(style.font->size)}};
    for (const Declaration* declaration : declarations)
        if (!IsFontProperty(declaration->property)) Apply(element, style, *declaration, rest);
    Finish(style, !element.Parent());
    return std::make_shared<const ComputedStyle>(std::move(style));
}

bool IsCurrent(Element& element, unsigned long long generation)
{
    return generation != 0 && element.HasStyle() && element.Style().computed &&
           element.Style().computedAt == generation;
}

}  // namespace

// Ancestors first, without recursion: a deep tree must not exhaust the stack.
std::shared_ptr<const ComputedStyle> ComputedStyleOf(Element& element)
{
    Document* document = element.OwnerDocument();
    unsigned long long generation = document ? document->StyleGeneration() : 0;
    if (IsCurrent(element, generation)) return element.Style().computed;
    std::vector<Element*> chain;
    for (Element* e = &element; e && !IsCurrent(*e, generation); e = e->Parent()) chain.push_back(e);
    Element* top = chain.back()->Parent();
    std::shared_ptr<const ComputedStyle> parent = top ? top->Style().computed : nullptr;
    // A current element's ancestors are current too: the root's font is known unless it is in the chain.
    float rootFontSize = top ? float(element.TopAncestor()->Style().computed->font->size) : 0;
    for (auto e = chain.rbegin(); e != chain.rend(); ++e) {
        std::shared_ptr<const ComputedStyle> style = Compute(**e, parent ? *parent : InitialStyle(), rootFontSize);
        if (!(*e)->Parent()) rootFontSize = float(style->font->size);
        (*e)->Style().computed = style;
        (*e)->Style().computedAt = generation;
        parent = style;
    }
    return element.Style().computed;
}

std::shared_ptr<const ComputedStyle> AnonymousStyle(const ComputedStyle& parent, Display display)
{
    ComputedStyle style = Inherited(parent);
    style.display = display;
    Finish(style, false);
    return std::make_shared<const ComputedStyle>(std::move(style));
}

}  // namespace htmlengine
