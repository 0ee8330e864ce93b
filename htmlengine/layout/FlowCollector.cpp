#include "htmlengine/layout/FlowCollector.h"

#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/style/ComputedStyle.h"

namespace htmlengine {

namespace {

bool IsCollapsible(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r' || c == L'\f';
}

bool IsBlockLevel(Display display)
{
    switch (display) {
    case Display::Inline:
    case Display::InlineBlock:
    case Display::InlineTable:
    case Display::InlineFlex: return false;
    default: return true;
    }
}

bool IsAtomicInline(const Element& element, const ComputedStyle& style)
{
    if (style.display == Display::InlineBlock || style.display == Display::InlineTable ||
        style.display == Display::InlineFlex)
        return true;
    const std::string& tag = element.Tag();
    return style.display == Display::Inline && (tag == "img" || tag == "input" || tag == "textarea" ||
                                                tag == "progress" || tag == "select" || tag == "button");
}

wchar_t Transformed(wchar_t c, TextTransform transform, bool wordStart)
{
    bool upper = transform == TextTransform::Uppercase || (transform == TextTransform::Capitalize && wordStart);
    if (upper && c >= L'a' && c <= L'z')
        return wchar_t(c - L'a' + L'A');
    if (transform == TextTransform::Lowercase && c >= L'A' && c <= L'Z')
        return wchar_t(c - L'A' + L'a');
    return c;
}

}  // namespace

FlowCollector::FlowCollector(BoxBuilder& builder, Box& container) : builder_(builder), container_(container) {}

void FlowCollector::AddChildren(Element& parent, const std::shared_ptr<const ComputedStyle>& parentStyle)
{
    for (Node* node : parent.Nodes())
        AddNode(*node, &parent, parentStyle);
}

void FlowCollector::AddNode(Node& node, Element* parent, const std::shared_ptr<const ComputedStyle>& parentStyle)
{
    if (!node.IsElement()) {
        AddText(static_cast<TextNode&>(node).Text(), parent, parentStyle);
        return;
    }
    Element& element = static_cast<Element&>(node);
    AddElement(element, ComputedStyleOf(element));
}

void FlowCollector::AddElement(Element& element, const std::shared_ptr<const ComputedStyle>& style)
{
    if (style->display == Display::None)
        return;
    Box* placeholder = nullptr;
    if (builder_.TakeOutOfFlow(element, style, container_, placeholder)) {
        if (placeholder)
            AddToRun({ InlineItem::Kind::Placeholder, &element, style, {}, placeholder }, nullptr);
        return;
    }
    if (element.Tag() == "br") {
        AddToRun({ InlineItem::Kind::Break, &element, style, {}, nullptr }, nullptr);
        afterSpace_ = true;
        return;
    }
    if (style->floating != Float::None) {
        std::unique_ptr<Box> box = builder_.ChildBox(element, style);
        Box* floating = box.get();
        AddToRun({ InlineItem::Kind::Float, &element, style, {}, floating }, std::move(box));
        return;
    }
    if (IsAtomicInline(element, *style)) {
        std::unique_ptr<Box> box = builder_.ChildBox(element, style);
        Box* atomic = box.get();
        AddToRun({ InlineItem::Kind::Atomic, &element, style, {}, atomic }, std::move(box));
        afterSpace_ = false;
        return;
    }
    if (IsBlockLevel(style->display)) {
        std::unique_ptr<Box> block = builder_.ChildBox(element, style);
        if (style->display == Display::ListItem)
            StateOf(*block).listIndex = ++listItems_;
        AddBlock(std::move(block));
        return;
    }
    InlineItem open { InlineItem::Kind::Open, &element, style, {}, nullptr };
    AddToRun(open, nullptr);
    runInlines_.push_back(&element);
    // Known even when it shows nothing; the box holding its lines, once flushed, is more precise.
    builder_.Index().inlineOwners.emplace(&element, &container_);
    open_.push_back(open);
    AddChildren(element, style);
    open_.pop_back();
    AddToRun({ InlineItem::Kind::Close, &element, style, {}, nullptr }, nullptr);
}

void FlowCollector::AddText(const std::wstring& text, Element* owner, const std::shared_ptr<const ComputedStyle>& style)
{
    WhiteSpace mode = style->whiteSpace;
    bool collapse = mode == WhiteSpace::Normal || mode == WhiteSpace::NoWrap || mode == WhiteSpace::PreLine;
    bool keepNewlines = mode != WhiteSpace::Normal && mode != WhiteSpace::NoWrap;
    std::wstring shown;
    auto flush = [&] {
        if (shown.empty())
            return;
        AddToRun({ InlineItem::Kind::Text, owner, style, shown, nullptr }, nullptr);
        shown.clear();
    };
    for (wchar_t c : text) {
        if (c == L'\r')
            continue;
        if (c == L'\n' && keepNewlines) {
            flush();
            AddToRun({ InlineItem::Kind::Break, owner, style, {}, nullptr }, nullptr);
            afterSpace_ = true;
            continue;
        }
        if (collapse && IsCollapsible(c)) {
            if (!afterSpace_)
                shown += L' ';
            afterSpace_ = true;
            continue;
        }
        if (c == L'\t') {
            shown += L"    ";
            continue;
        }
        bool wordStart = shown.empty() ? afterSpace_ : shown.back() == L' ';
        shown += Transformed(c, style->textTransform, wordStart);
        afterSpace_ = false;
        hasContent_ = true;
    }
    flush();
}

void FlowCollector::AddToRun(InlineItem item, std::unique_ptr<Box> box)
{
    if (item.kind != InlineItem::Kind::Open && item.kind != InlineItem::Kind::Close &&
        item.kind != InlineItem::Kind::Text)
        hasContent_ = true;
    run_.push_back(std::move(item));
    if (box)
        runBoxes_.push_back(std::move(box));
}

// An inline element that holds a block ends before it and goes on after it (CSS 2.1 §9.2.1.1).
void FlowCollector::AddBlock(std::unique_ptr<Box> block)
{
    for (auto it = open_.rbegin(); it != open_.rend(); ++it)
        run_.push_back({ InlineItem::Kind::Close, it->element, it->style, {}, nullptr });
    FlushRun();
    sawBlock_ = true;
    blocks_.push_back(std::move(block));
    for (const InlineItem& open : open_)
        run_.push_back(open);
    afterSpace_ = true;
    hasContent_ = true;
}

bool FlowCollector::RunIsSignificant() const
{
    for (const InlineItem& item : run_) {
        if (item.kind == InlineItem::Kind::Text && item.text.find_first_not_of(L' ') != std::wstring::npos)
            return true;
        if (item.kind != InlineItem::Kind::Text && item.kind != InlineItem::Kind::Open &&
            item.kind != InlineItem::Kind::Close)
            return true;
    }
    return false;
}

void FlowCollector::FlushRun()
{
    if (RunIsSignificant()) {
        std::unique_ptr<Box> anonymous = builder_.AnonymousBox(*container_.style, Display::Block, BoxKind::Block);
        BoxState& state = StateOf(*anonymous);
        state.inlineItems = std::move(run_);
        state.holdsLines = true;
        for (std::unique_ptr<Box>& box : runBoxes_)
            builder_.Append(*anonymous, std::move(box));
        for (Element* element : runInlines_)
            builder_.Index().inlineOwners[element] = anonymous.get();
        blocks_.push_back(std::move(anonymous));
    }
    run_.clear();
    runBoxes_.clear();
    runInlines_.clear();
    afterSpace_ = true;
}

void FlowCollector::Finish()
{
    if (!sawBlock_) {
        BoxState& state = StateOf(container_);
        state.inlineItems = std::move(run_);
        state.holdsLines = true;
        for (std::unique_ptr<Box>& box : runBoxes_)
            builder_.Append(container_, std::move(box));
        for (Element* element : runInlines_)
            builder_.Index().inlineOwners[element] = &container_;
        run_.clear();
        runBoxes_.clear();
        runInlines_.clear();
        return;
    }
    FlushRun();
    for (std::unique_ptr<Box>& block : blocks_)
        builder_.Append(container_, std::move(block));
    blocks_.clear();
}

}  // namespace htmlengine
