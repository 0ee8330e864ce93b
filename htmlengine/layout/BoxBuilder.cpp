#include "htmlengine/layout/BoxBuilder.h"

#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/style/ComputedStyle.h"
#include "htmlengine/layout/BoxState.h"
#include "htmlengine/layout/FlowCollector.h"

#include <algorithm>

namespace htmlengine {

namespace {

bool IsReplacedElement(const Element& element)
{
    const std::string& tag = element.Tag();
    return tag == "img" || tag == "input" || tag == "textarea" || tag == "progress";
}

bool IsRowGroup(Display display)
{
    return display == Display::TableRowGroup || display == Display::TableHeaderGroup ||
           display == Display::TableFooterGroup;
}

BoxKind KindFor(const Element& element, const ComputedStyle& style)
{
    if (IsReplacedElement(element))
        return BoxKind::Replaced;
    switch (style.display) {
    case Display::Table:
    case Display::InlineTable: return BoxKind::Table;
    case Display::Flex:
    case Display::InlineFlex: return BoxKind::Flex;
    default: return BoxKind::Block;
    }
}

bool IsHolder(const Box& box)
{
    return !box.parent || box.clips || (box.isLayer && !box.style->zIndexAuto) || box.style->opacity < 1;
}

void Collect(Box& box, Box& holder)
{
    for (const std::unique_ptr<Box>& child : box.children) {
        if (child->isLayer)
            holder.layers.push_back(child.get());
        Collect(*child, IsHolder(*child) ? *child : holder);
    }
}

void SortLayers(Box& box)
{
    std::stable_sort(box.layers.begin(), box.layers.end(), [](Box* a, Box* b) { return a->zIndex < b->zIndex; });
    for (const std::unique_ptr<Box>& child : box.children)
        SortLayers(*child);
}

void ClearLayers(Box& box)
{
    box.layers.clear();
    for (const std::unique_ptr<Box>& child : box.children)
        ClearLayers(*child);
}

void CollectRoot(Box& root)
{
    ClearLayers(root);
    Collect(root, root);
    SortLayers(root);
}

// The viewport scrolls when the document is larger, unless the root says otherwise.
std::shared_ptr<const ComputedStyle> ViewportStyle(const ComputedStyle& root)
{
    ComputedStyle style = *AnonymousStyle(root, Display::Block);
    style.overflowX = root.overflowX == Overflow::Visible ? Overflow::Auto : root.overflowX;
    style.overflowY = root.overflowY == Overflow::Visible ? Overflow::Auto : root.overflowY;
    return std::make_shared<const ComputedStyle>(std::move(style));
}

}  // namespace

BoxBuilder::BoxBuilder(LayoutTree& tree, BoxIndex& index) : tree_(tree), index_(index) {}

std::unique_ptr<Box> BoxBuilder::ElementBox(Element& element, std::shared_ptr<const ComputedStyle> style, BoxKind kind)
{
    auto box = std::make_unique<Box>();
    box->element = &element;
    box->style = std::move(style);
    StateOf(*box).kind = kind;
    if (box->style->Scrolls() && kind != BoxKind::Replaced) {
        box->scroll = std::make_unique<ScrollState>();
        box->clips = true;
    }
    box->isLayer = box->style->IsPositioned();
    box->zIndex = box->style->zIndexAuto ? 0 : box->style->zIndex;
    if (kind == BoxKind::Replaced) {
        box->replaced = element.Tag() == "img" ? Replaced::Image : Replaced::Control;
        if (box->replaced == Replaced::Image)
            box->imageUrl = element.AttributeOr("src");
    }
    index_.boxes[&element] = box.get();
    BuildContent(*box);
    AdoptOutOfFlow(*box);
    return box;
}

std::unique_ptr<Box> BoxBuilder::AnonymousBox(const ComputedStyle& parent, Display display, BoxKind kind)
{
    auto box = std::make_unique<Box>();
    box->style = AnonymousStyle(parent, display);
    StateOf(*box).kind = kind;
    return box;
}

std::unique_ptr<Box> BoxBuilder::ChildBox(Element& element, const std::shared_ptr<const ComputedStyle>& style)
{
    return ElementBox(element, style, KindFor(element, *style));
}

void BoxBuilder::BuildContent(Box& box)
{
    switch (StateOf(box).kind) {
    case BoxKind::Table: BuildTable(box); break;
    case BoxKind::RowGroup: BuildRowGroup(box, *box.element); break;
    case BoxKind::Row: BuildRow(box, *box.element); break;
    case BoxKind::Flex: BuildFlex(box); break;
    case BoxKind::Replaced: FindPopups(box, *box.element); break;
    default: {
        FlowCollector flow(*this, box);
        flow.AddChildren(*box.element, box.style);
        flow.Finish();
    }
    }
}

bool BoxBuilder::TakeOutOfFlow(Element& element, const std::shared_ptr<const ComputedStyle>& style,
                               const Box& container, Box*& placeholder)
{
    placeholder = nullptr;
    bool outOfFlow = element.Tag() == "popup" || style->IsOutOfFlow();
    metOutOfFlow_ = metOutOfFlow_ || outOfFlow;
    if (element.Tag() == "popup") {
        std::unique_ptr<Box> popup = ChildBox(element, style);
        StateOf(*popup).isTopLayerAnchor = !(style->position == Position::Fixed);
        index_.outOfFlowFrom[popup.get()] = &container;
        tree_.popups.push_back(std::move(popup));
        return true;
    }
    if (style->position == Position::Fixed) {
        std::unique_ptr<Box> fixed = ChildBox(element, style);
        placeholder = fixed.get();
        index_.outOfFlowFrom[placeholder] = &container;
        tree_.fixed.push_back(std::move(fixed));
        return true;
    }
    if (style->position != Position::Absolute)
        return false;
    Box* containingBlock = ContainingBlockOf(element);
    std::unique_ptr<Box> absolute = ChildBox(element, style);
    placeholder = absolute.get();
    index_.outOfFlowFrom[placeholder] = &container;
    pendingOutOfFlow_.push_back({ containingBlock, std::move(absolute) });
    return true;
}

// CSS 2.1 §10.1: the nearest positioned ancestor with a box, else the initial containing block.
Box* BoxBuilder::ContainingBlockOf(Element& element)
{
    for (Element* e = element.Parent(); e; e = e->Parent()) {
        auto found = index_.boxes.find(e);
        if (found != index_.boxes.end() && found->second->style->IsPositioned())
            return found->second;
    }
    return tree_.viewport.get();
}

// Out-of-flow boxes join their containing block once its own content is built.
void BoxBuilder::AdoptOutOfFlow(Box& box)
{
    for (auto& pending : pendingOutOfFlow_)
        if (pending.first == &box && pending.second) {
            pending.second->parent = &box;
            box.children.push_back(std::move(pending.second));
        }
    pendingOutOfFlow_.erase(std::remove_if(pendingOutOfFlow_.begin(), pendingOutOfFlow_.end(),
                                           [](const auto& pending) { return !pending.second; }),
                            pendingOutOfFlow_.end());
}

void BoxBuilder::FindPopups(const Box& container, Element& element)
{
    for (Element* child : element.Children()) {
        std::shared_ptr<const ComputedStyle> style = ComputedStyleOf(*child);
        Box* placeholder = nullptr;
        if (style->display == Display::None)
            continue;
        if (!TakeOutOfFlow(*child, style, container, placeholder))
            FindPopups(container, *child);
    }
}

void BoxBuilder::Append(Box& parent, std::unique_ptr<Box> child)
{
    child->parent = &parent;
    parent.children.push_back(std::move(child));
}

// Table parts in CSS 2.1 §17.2.1 order: captions, header groups, bodies, footer groups; rows
// and cells without their group or row get anonymous ones.
void BoxBuilder::BuildTable(Box& table)
{
    std::vector<std::unique_ptr<Box>> captions, headers, bodies, footers;
    std::unique_ptr<Box> loose;  // an anonymous group for rows right under the table
    auto flushLoose = [&] {
        if (loose)
            bodies.push_back(std::move(loose));
    };
    for (Element* child : table.element->Children()) {
        std::shared_ptr<const ComputedStyle> style = ComputedStyleOf(*child);
        Box* placeholder = nullptr;
        if (style->display == Display::None || TakeOutOfFlow(*child, style, table, placeholder))
            continue;
        if (style->display == Display::TableCaption) {
            captions.push_back(ElementBox(*child, style, BoxKind::Caption));
        } else if (IsRowGroup(style->display)) {
            flushLoose();
            auto& group = style->display == Display::TableHeaderGroup   ? headers
                          : style->display == Display::TableFooterGroup ? footers
                                                                        : bodies;
            group.push_back(ElementBox(*child, style, BoxKind::RowGroup));
        } else {
            if (!loose)
                loose = AnonymousBox(*table.style, Display::TableRowGroup, BoxKind::RowGroup);
            AddToGroup(*loose, *child, style);
        }
    }
    flushLoose();
    for (auto* part : { &captions, &headers, &bodies, &footers })
        for (std::unique_ptr<Box>& box : *part)
            Append(table, std::move(box));
}

void BoxBuilder::BuildRowGroup(Box& group, Element& element)
{
    for (Element* child : element.Children()) {
        std::shared_ptr<const ComputedStyle> style = ComputedStyleOf(*child);
        Box* placeholder = nullptr;
        if (style->display == Display::None || TakeOutOfFlow(*child, style, group, placeholder))
            continue;
        AddToGroup(group, *child, style);
    }
}

// A row, or anything else inside an anonymous row of its own.
void BoxBuilder::AddToGroup(Box& group, Element& child, const std::shared_ptr<const ComputedStyle>& style)
{
    if (style->display == Display::TableRow && style->visibility != Visibility::Collapse) {
        Append(group, ElementBox(child, style, BoxKind::Row));
        return;
    }
    if (style->display == Display::TableRow)
        return;  // collapsed rows take no room
    Box* row = group.children.empty() || group.children.back()->element ? nullptr : group.children.back().get();
    if (!row) {
        Append(group, AnonymousBox(*group.style, Display::TableRow, BoxKind::Row));
        row = group.children.back().get();
    }
    AddToRow(*row, child, style);
}

void BoxBuilder::BuildRow(Box& row, Element& element)
{
    for (Element* child : element.Children()) {
        std::shared_ptr<const ComputedStyle> style = ComputedStyleOf(*child);
        Box* placeholder = nullptr;
        if (style->display == Display::None || TakeOutOfFlow(*child, style, row, placeholder))
            continue;
        AddToRow(row, *child, style);
    }
}

// A cell, or anything else inside an anonymous cell.
void BoxBuilder::AddToRow(Box& row, Element& child, const std::shared_ptr<const ComputedStyle>& style)
{
    if (style->display == Display::TableCell) {
        Append(row, ElementBox(child, style, BoxKind::Cell));
        return;
    }
    auto cell = AnonymousBox(*row.style, Display::TableCell, BoxKind::Cell);
    FlowCollector flow(*this, *cell);
    flow.AddElement(child, style);
    flow.Finish();
    Append(row, std::move(cell));
}

// CSS Flexbox 1 §4: each child element is an item; each run of text an anonymous one.
void BoxBuilder::BuildFlex(Box& flex)
{
    std::unique_ptr<Box> textItem;
    std::unique_ptr<FlowCollector> textFlow;
    auto flushText = [&] {
        if (!textFlow)
            return;
        textFlow->Finish();
        if (textFlow->HasContent())
            Append(flex, std::move(textItem));
        textFlow.reset();
        textItem.reset();
    };
    for (Node* node : flex.element->Nodes()) {
        if (!node->IsElement()) {
            if (!textFlow) {
                textItem = AnonymousBox(*flex.style, Display::Block, BoxKind::Block);
                textFlow = std::make_unique<FlowCollector>(*this, *textItem);
            }
            textFlow->AddNode(*node, flex.element, flex.style);
            continue;
        }
        flushText();
        Element& child = static_cast<Element&>(*node);
        std::shared_ptr<const ComputedStyle> style = ComputedStyleOf(child);
        Box* placeholder = nullptr;
        if (style->display == Display::None || TakeOutOfFlow(child, style, flex, placeholder))
            continue;
        Append(flex, ChildBox(child, style));
    }
    flushText();
}

BoxIndex& BoxBuilder::Index()
{
    return index_;
}

void BoxBuilder::RebuildContent(Box& box)
{
    // A picture's address belongs to its own box, which stays: a changed "src" is read again.
    if (box.replaced == Replaced::Image)
        box.imageUrl = box.element->AttributeOr("src");
    BoxState& state = StateOf(box);
    box.children.clear();
    state.inlineItems.clear();
    state.holdsLines = false;
    state.ForgetMeasurements(true);
    BuildContent(box);
    AdoptOutOfFlow(box);
}

void BuildTree(Element& root, LayoutTree& tree, BoxIndex& index)
{
    tree = LayoutTree();
    index.Clear();
    std::shared_ptr<const ComputedStyle> rootStyle = ComputedStyleOf(root);
    tree.viewport = std::make_unique<Box>();
    Box& viewport = *tree.viewport;
    viewport.style = ViewportStyle(*rootStyle);
    StateOf(viewport).kind = BoxKind::Viewport;
    viewport.scroll = std::make_unique<ScrollState>();
    viewport.clips = true;
    if (rootStyle->display == Display::None)
        return;
    BoxBuilder builder(tree, index);
    std::unique_ptr<Box> rootBox = builder.ChildBox(root, rootStyle);
    rootBox->scroll.reset();  // the root's overflow is the viewport's (CSS Overflow 3 §3.3)
    rootBox->clips = false;
    builder.Append(viewport, std::move(rootBox));
    builder.AdoptOutOfFlow(viewport);
}

void CollectLayers(LayoutTree& tree)
{
    if (tree.viewport)
        CollectRoot(*tree.viewport);
    for (auto& fixed : tree.fixed)
        CollectRoot(*fixed);
    for (auto& popup : tree.popups)
        CollectRoot(*popup);
}

}  // namespace htmlengine
