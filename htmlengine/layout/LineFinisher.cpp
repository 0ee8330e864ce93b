#include "htmlengine/layout/LineFinisher.h"

#include "htmlengine/document/style/ComputedStyle.h"
#include "htmlengine/layout/BoxSizes.h"

#include <algorithm>

namespace htmlengine {

namespace {

const wchar_t kEllipsis[] = L"\u2026";

bool IsText(const Piece& piece)
{
    return piece.kind == Piece::Kind::Word || piece.kind == Piece::Kind::Space;
}

bool ShowsSomething(const std::vector<PlacedPiece>& placed, int end)
{
    for (const PlacedPiece& p : placed)
        if (p.piece->kind == Piece::Kind::Word || p.piece->kind == Piece::Kind::Atomic)
            return true;
    return end > 0;
}

}  // namespace

LineFinisher::LineFinisher(Box& box, LayoutContext& context, Point contentOrigin, Rect area)
    : box_(box), context_(context), origin_(contentOrigin), area_(area)
{
}

// CSS Text 3 §4.1.2: spaces at the end of a line go (pre-wrap's hang, which is the same here).
void LineFinisher::DropTrailingSpaces(std::vector<PlacedPiece>& placed, int& end) const
{
    int removed = 0;
    for (size_t i = placed.size(); i-- > 0;) {
        Piece::Kind kind = placed[i].piece->kind;
        if (kind == Piece::Kind::Word || kind == Piece::Kind::Atomic)
            break;
        if (kind != Piece::Kind::Space)
            continue;
        removed += placed[i].piece->width;
        for (size_t j = i + 1; j < placed.size(); ++j)
            placed[j].x -= placed[i].piece->width;
        placed.erase(placed.begin() + i);
    }
    end -= removed;
}

// CSS 2.1 §10.8.1: the inline box of text is its line-height, half the leading above the
// ascent and half below the descent.
LineFinisher::Extent LineFinisher::TextExtent(const ComputedStyle& style) const
{
    const FontMetrics& metrics = context_.text.Metrics(style.font);
    int lineHeight = style.LineHeightPx(metrics.lineHeight);
    int above = metrics.ascent + (lineHeight - metrics.ascent - metrics.descent) / 2;
    return { above, lineHeight - above };
}

int LineFinisher::BaselineShift(const ComputedStyle& style) const
{
    int size = style.font->size;
    switch (style.verticalAlign) {
    case VerticalAlign::Sub: return size / 5;
    case VerticalAlign::Super: return -size / 3;
    case VerticalAlign::Offset: return -style.verticalOffset;
    default: return 0;
    }
}

// From the margin box's top: the first line's baseline, or the bottom margin edge.
int LineFinisher::AtomicBaseline(const Box& atomic) const
{
    int baseline = atomic.state ? atomic.state->firstBaseline : -1;
    bool clips = atomic.style->overflowX != Overflow::Visible;
    if (baseline < 0 || clips)
        return atomic.margin.top + atomic.frame.height + atomic.margin.bottom;
    return atomic.margin.top + baseline;
}

void LineFinisher::Measure(const std::vector<PlacedPiece>& placed)
{
    Extent strut = TextExtent(*box_.style);
    int above = strut.above, below = strut.below, aligned = 0;
    for (const PlacedPiece& p : placed) {
        const ComputedStyle& style = *p.piece->item->style;
        if (IsText(*p.piece)) {
            Extent text = TextExtent(style);
            int shift = BaselineShift(style);
            above = std::max(above, text.above - shift);
            below = std::max(below, text.below + shift);
        } else if (p.piece->kind == Piece::Kind::Atomic) {
            const Box& atomic = *p.piece->item->box;
            int height = atomic.frame.height + atomic.margin.Vertical();
            VerticalAlign align = atomic.style->verticalAlign;
            if (align == VerticalAlign::Top || align == VerticalAlign::Bottom) {
                aligned = std::max(aligned, height);
            } else if (align == VerticalAlign::Middle) {
                int middle = (strut.above - strut.below) / 2;
                above = std::max(above, height / 2 + middle);
                below = std::max(below, height - height / 2 - middle);
            } else {
                int baseline = AtomicBaseline(atomic) - BaselineShift(*atomic.style);
                above = std::max(above, baseline);
                below = std::max(below, height - baseline);
            }
        }
    }
    above_ = above;
    height_ = std::max(above + below, aligned);
}

void LineFinisher::EmitRuns(const std::vector<PlacedPiece>& placed)
{
    size_t firstRun = box_.runs.size();
    for (size_t i = 0; i < placed.size();) {
        if (!IsText(*placed[i].piece)) {
            ++i;
            continue;
        }
        const InlineItem& item = *placed[i].piece->item;
        size_t j = i;
        int width = 0;
        while (j < placed.size() && IsText(*placed[j].piece) && placed[j].piece->item == &item)
            width += placed[j++].piece->width;
        std::wstring_view first = placed[i].piece->text, last = placed[j - 1].piece->text;
        const FontMetrics& metrics = context_.text.Metrics(item.style->font);
        TextRun run;
        run.text.assign(first.data(), last.data() + last.size() - first.data());
        run.font = item.style->font;
        run.style = item.style.get();
        run.element = item.element;
        run.baseline = origin_.y + area_.y + above_ + BaselineShift(*item.style);
        run.rect = { origin_.x + area_.x + offset_ + placed[i].x, run.baseline - metrics.ascent, width,
                     metrics.ascent + metrics.descent };
        box_.runs.push_back(std::move(run));
        i = j;
    }
    bool ellipsis = box_.style->textOverflow == TextOverflow::Ellipsis && box_.style->overflowX != Overflow::Visible;
    if (ellipsis)
        Truncate(firstRun);
}

// The first run that crosses the line's end keeps what fits before "..."; later runs go.
void LineFinisher::Truncate(size_t firstRun)
{
    int limit = origin_.x + area_.Right();
    for (size_t i = firstRun; i < box_.runs.size(); ++i) {
        TextRun& run = box_.runs[i];
        if (run.rect.Right() <= limit)
            continue;
        int ellipsis = context_.text.Width(run.font, kEllipsis);
        std::vector<int> extents;
        context_.text.Measurer().Extents(*run.font, run.text, extents);
        size_t keep = 0;
        while (keep < extents.size() && run.rect.x + extents[keep] + ellipsis <= limit)
            ++keep;
        while (keep > 0 && run.text[keep - 1] == L' ')
            --keep;
        run.text = run.text.substr(0, keep) + kEllipsis;
        run.rect.width = (keep ? extents[keep - 1] : 0) + ellipsis;
        box_.runs.erase(box_.runs.begin() + i + 1, box_.runs.end());
        return;
    }
}

void LineFinisher::PlaceAtomics(const std::vector<PlacedPiece>& placed)
{
    int middle = 0;
    {
        Extent strut = TextExtent(*box_.style);
        middle = (strut.above - strut.below) / 2;
    }
    for (const PlacedPiece& p : placed) {
        if (p.piece->kind != Piece::Kind::Atomic)
            continue;
        Box& atomic = *p.piece->item->box;
        int height = atomic.frame.height + atomic.margin.Vertical();
        int top = 0;
        switch (atomic.style->verticalAlign) {
        case VerticalAlign::Top: top = 0; break;
        case VerticalAlign::Bottom: top = height_ - height; break;
        case VerticalAlign::Middle: top = above_ - middle - height / 2; break;
        default: top = above_ - (AtomicBaseline(atomic) - BaselineShift(*atomic.style)); break;
        }
        PlaceBox(atomic, origin_.x + area_.x + offset_ + p.x + atomic.margin.left,
                 origin_.y + area_.y + top + atomic.margin.top, { area_.width, -1 });
    }
}

void LineFinisher::AddFragment(const InlineItem& item, int start, int end, bool first, bool last)
{
    const ComputedStyle& style = *item.style;
    const FontMetrics& metrics = context_.text.Metrics(style.font);
    int top = std::max(0, style.padding[kTop].Resolve(area_.width)) + style.border[kTop].width;
    int bottom = std::max(0, style.padding[kBottom].Resolve(area_.width)) + style.border[kBottom].width;
    InlineFragment fragment;
    fragment.element = item.element;
    fragment.style = item.style.get();
    int baseline = origin_.y + area_.y + above_ + BaselineShift(style);
    fragment.rect = { origin_.x + area_.x + offset_ + start, baseline - metrics.ascent - top, std::max(0, end - start),
                      metrics.ascent + metrics.descent + top + bottom };
    fragment.first = first;
    fragment.last = last;
    box_.fragments.push_back(fragment);
}

void LineFinisher::EmitFragments(const std::vector<PlacedPiece>& placed, std::vector<OpenSpan>& spans, int end)
{
    std::vector<OpenSpan> open = spans;
    for (const PlacedPiece& p : placed) {
        const ComputedStyle& style = *p.piece->item->style;
        if (p.piece->kind == Piece::Kind::Open) {
            open.push_back({ p.piece->item, p.x + style.margin[kLeft].Resolve(area_.width), true });
        } else if (p.piece->kind == Piece::Kind::Close && !open.empty()) {
            OpenSpan span = open.back();
            open.pop_back();
            AddFragment(*span.item, span.start, p.x - style.margin[kRight].Resolve(area_.width), span.first, true);
        }
    }
    for (const OpenSpan& span : open)
        AddFragment(*span.item, span.start, end, span.first, false);
    spans.clear();
    for (const OpenSpan& span : open)
        spans.push_back({ span.item, 0, false });
}

int LineFinisher::Finish(std::vector<PlacedPiece>& placed, std::vector<OpenSpan>& spans, bool forced)
{
    int end = placed.empty() ? 0 : placed.back().x + placed.back().piece->width;
    if (!placed.empty() && placed.back().piece->kind == Piece::Kind::Close)
        end = placed.back().x;
    DropTrailingSpaces(placed, end);
    if (!forced && !ShowsSomething(placed, end) && spans.empty())
        return 0;
    switch (box_.style->textAlign) {
    case TextAlign::Right: offset_ = std::max(0, area_.width - end); break;
    case TextAlign::Center: offset_ = std::max(0, (area_.width - end) / 2); break;
    default: offset_ = 0;
    }
    Measure(placed);
    EmitRuns(placed);
    PlaceAtomics(placed);
    EmitFragments(placed, spans, end);
    LineBox line;
    line.rect = { origin_.x + area_.x, origin_.y + area_.y, area_.width, height_ };
    line.baseline = origin_.y + area_.y + above_;
    box_.lines.push_back(line);
    return height_;
}

}  // namespace htmlengine
