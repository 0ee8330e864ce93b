// The typed computed style: the initial values, the inherited ones from the parent, then
// the element's declarations from the cascade, weakest first, font properties before the
// rest (em refers to the font size), then CSS 2.1 §9.7's rules between display, position
// and float.
#include "htmlengine/document/css/VarReference.h"
#include "htmlengine/document/dom/AsciiCase.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/dom/ElementLifetime.h"
#include "htmlengine/document/style/Cascade.h"
#include "htmlengine/document/style/ComputedStyle.h"
#include "htmlengine/document/style/CustomProperties.h"
#include "htmlengine/document/style/StyleProperties.h"
#include "htmlengine/document/style/StyleShare.h"

#include <unordered_set>
#include <vector>

namespace htmlengine {

namespace {

const ComputedStyle& InitialStyle()
{
    static const ComputedStyle initial = [] {
        ComputedStyle style;
        Font font;
        font.families = { L"Segoe UI", L"Tahoma", L"sans-serif" };
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
    style.accentColor = parent.accentColor;
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
    style.custom = parent.custom;
    for (BorderSide& side : style.border)
        side.width = kMediumBorderWidth;
    style.outline.width = kMediumBorderWidth;
    return style;
}

void Report(Element& element, const std::wstring& message)
{
    if (Document* document = element.OwnerDocument())
        document->LogErrorOnce(L"CSS: " + message);
}

void Apply(Element& element, ComputedStyle& style, const Declaration& declaration, const PropertyContext& context)
{
    const PropertyDefinition* definition = FindProperty(declaration.property);
    if (!definition) {
        if (!IsNonVisualProperty(declaration.property) && !IsCustomProperty(declaration.property))
            Report(element, L"property not supported: " + Widen(declaration.property));
        return;
    }
    std::wstring value = declaration.value, problem;
    // CSS Custom Properties 1 §3.1: a var() that resolves to nothing makes the declaration
    // "unset": the inherited value for an inherited property, the initial one otherwise.
    if (HasVarReference(value) && !SubstituteCustomProperties(declaration.value, style.custom.get(), value, problem)) {
        Report(element, Widen(declaration.property) + L": " + problem);
        definition->copy(style, Inherited(context.parent));
    } else if (EqualsNoCase(value, L"inherit"))
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
    for (BorderSide& side : style.border)
        ResolveBorder(side);
    ResolveBorder(style.outline);
    // CSS Overflow 3 §3: one axis scrolling makes the other at least auto.
    if (style.overflowX == Overflow::Visible && style.overflowY != Overflow::Visible)
        style.overflowX = Overflow::Auto;
    if (style.overflowY == Overflow::Visible && style.overflowX != Overflow::Visible)
        style.overflowY = Overflow::Auto;
    if (style.display == Display::None)
        return;
    if (style.IsOutOfFlow())
        style.floating = Float::None;
    if (style.IsOutOfFlow() || style.floating != Float::None || isRoot)
        style.display = Blockified(style.display);
}

std::shared_ptr<const ComputedStyle> Resolve(Element& element, const ComputedStyle& parent, const wchar_t* display,
                                             const std::vector<const Declaration*>& declarations, float rootFontSize)
{
    ComputedStyle style = Inherited(parent);
    std::vector<std::wstring> problems;
    style.custom = ResolveCustomProperties(parent.custom, declarations, problems);
    for (const std::wstring& problem : problems)
        Report(element, problem);
    Apply(element, style, { "display", display, false }, { parent, {} });
    PropertyContext fonts { parent, { float(parent.font->size), rootFontSize } };
    for (const Declaration* declaration : declarations)
        if (IsFontProperty(declaration->property))
            Apply(element, style, *declaration, fonts);
    PropertyContext rest { parent,
                           { float(style.font->size), element.Parent() ? rootFontSize : float(style.font->size) } };
    for (const Declaration* declaration : declarations)
        if (!IsFontProperty(declaration->property))
            Apply(element, style, *declaration, rest);
    Finish(style, !element.Parent());
    return std::make_shared<const ComputedStyle>(std::move(style));
}

bool HasOwnDeclarations(Element& element)
{
    return element.HasAttribute("style") || (element.HasStyle() && !element.Style().runtime.empty());
}

// An element with declarations of its own computes alone; the others share (StyleShare.h).
std::shared_ptr<const ComputedStyle> Compute(Element& element, const std::shared_ptr<const ComputedStyle>& parent,
                                             float rootFontSize)
{
    const ComputedStyle& inherited = parent ? *parent : InitialStyle();
    const wchar_t* display = DefaultDisplay(element);
    DeclarationList inlineStyle;
    std::vector<const Declaration*> declarations = MatchedDeclarations(element, inlineStyle);
    Document* document = element.OwnerDocument();
    if (!document || HasOwnDeclarations(element))
        return Resolve(element, inherited, display, declarations, rootFontSize);
    StyleShare::Key key { parent.get(), display, !element.Parent(), std::move(declarations) };
    if (std::shared_ptr<const ComputedStyle> shared = document->SharedStyles().Find(key))
        return shared;
    std::shared_ptr<const ComputedStyle> style = Resolve(element, inherited, display, key.declarations, rootFontSize);
    document->SharedStyles().Add(std::move(key), parent, style);
    return style;
}

bool IsCurrent(Element& element, unsigned long long epoch)
{
    return epoch != 0 && element.HasStyle() && element.Style().computed && element.Style().computedAt == epoch;
}

float RootFontSize(Element& element)
{
    return float(element.TopAncestor()->Style().computed->font->size);
}

// The chain from the element up to its first current ancestor, computed from the top: a
// deep tree must not exhaust the stack.
void ComputeChain(Element& element, unsigned long long epoch)
{
    std::vector<Element*> chain;
    for (Element* e = &element; e && !IsCurrent(*e, epoch); e = e->Parent())
        chain.push_back(e);
    Element* top = chain.back()->Parent();
    std::shared_ptr<const ComputedStyle> parent = top ? top->Style().computed : nullptr;
    // A current element's ancestors are current too: the root's font is known unless it is in the chain.
    float rootFontSize = top ? RootFontSize(element) : 0;
    for (auto e = chain.rbegin(); e != chain.rend(); ++e) {
        std::shared_ptr<const ComputedStyle> style = Compute(**e, parent, rootFontSize);
        if (!(*e)->Parent())
            rootFontSize = float(style->font->size);
        (*e)->Style().computed = style;
        (*e)->Style().computedAt = epoch;
        parent = style;
    }
}

// Computes the subtree again, top down; each element whose style object changed is noted
// for layout (shared styles make an unchanged element give back the very same object).
void RestyleSubtree(Element& root, Document& document)
{
    unsigned long long epoch = document.Changes().Epoch();
    if (root.Parent() && !IsCurrent(*root.Parent(), epoch))
        ComputeChain(*root.Parent(), epoch);
    float rootFontSize = root.Parent() ? RootFontSize(root) : 0;
    std::vector<Element*> pending { &root };
    while (!pending.empty()) {
        Element& element = *pending.back();
        pending.pop_back();
        std::shared_ptr<const ComputedStyle> parent = element.Parent() ? element.Parent()->Style().computed : nullptr;
        std::shared_ptr<const ComputedStyle> style = Compute(element, parent, rootFontSize);
        if (!element.Parent())
            rootFontSize = float(style->font->size);
        ElementStyle& data = element.Style();
        if (data.computed && data.computed != style)
            document.Changes().Restyled(element);
        data.computed = style;
        data.computedAt = epoch;
        for (auto child = element.Children().rbegin(); child != element.Children().rend(); ++child)
            pending.push_back(*child);
    }
}

bool UnderAnyOf(const Element& element, const std::unordered_set<const Element*>& roots)
{
    for (const Element* e = element.Parent(); e; e = e->Parent())
        if (roots.count(e))
            return true;
    return false;
}

// The subtrees marked since the last restyle; one inside another, or marked twice, is done once.
void RestyleMarked(Document& document)
{
    static bool restyling = false;  // computing a style never marks one, but be sure not to recurse
    if (restyling)
        return;
    struct Guard {
        Guard() { restyling = true; }
        ~Guard() { restyling = false; }
    } guard;
    std::unique_ptr<ElementHold> roots = document.Changes().TakeSubtrees();
    std::unordered_set<const Element*> marked(roots->Elements().begin(), roots->Elements().end());
    std::unordered_set<const Element*> done;
    for (Element* root : roots->Elements())
        if (!root->deleted && root->OwnerDocument() == &document && !UnderAnyOf(*root, marked) &&
            done.insert(root).second)
            RestyleSubtree(*root, document);
}

}  // namespace

std::shared_ptr<const ComputedStyle> ComputedStyleOf(Element& element)
{
    Document* document = element.OwnerDocument();
    if (document && document->Changes().HasDirtySubtrees())
        RestyleMarked(*document);
    unsigned long long epoch = document ? document->Changes().Epoch() : 0;
    if (!IsCurrent(element, epoch))
        ComputeChain(element, epoch);
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
