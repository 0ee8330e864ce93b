#include "htmlengine/layout/InlineLayout.h"

#include "htmlengine/document/style/ComputedStyle.h"
#include "htmlengine/layout/BoxLayout.h"
#include "htmlengine/layout/BoxState.h"
#include "htmlengine/layout/LineBuilder.h"

#include <algorithm>

namespace htmlengine {

namespace {

bool Wraps(const ComputedStyle& style)
{
    return style.whiteSpace == WhiteSpace::Normal || style.whiteSpace == WhiteSpace::PreWrap ||
           style.whiteSpace == WhiteSpace::PreLine;
}

bool Collapses(const ComputedStyle& style)
{
    return style.whiteSpace == WhiteSpace::Normal || style.whiteSpace == WhiteSpace::NoWrap ||
           style.whiteSpace == WhiteSpace::PreLine;
}

int OpenEdge(const ComputedStyle& style, int containingWidth)
{
    return style.margin[kLeft].Resolve(containingWidth) + style.border[kLeft].width +
           std::max(0, style.padding[kLeft].Resolve(containingWidth));
}

int CloseEdge(const ComputedStyle& style, int containingWidth)
{
    return style.margin[kRight].Resolve(containingWidth) + style.border[kRight].width +
           std::max(0, style.padding[kRight].Resolve(containingWidth));
}

// Words end at spaces and after hyphens (CSS Text 3 §5.2); spaces are pieces of their own.
void SplitText(const InlineItem& item, LayoutContext& context, std::vector<Piece>& pieces)
{
    const std::wstring& text = item.text;
    bool wraps = Wraps(*item.style);
    size_t i = 0;
    while (i < text.size()) {
        size_t end = i;
        Piece piece;
        piece.item = &item;
        piece.wraps = wraps;
        if (text[i] == L' ') {
            while (end < text.size() && text[end] == L' ')
                ++end;
            piece.kind = Piece::Kind::Space;
            piece.collapsible = Collapses(*item.style);
        } else {
            while (end < text.size() && text[end] != L' ') {
                ++end;
                if (wraps && text[end - 1] == L'-' && end < text.size() && text[end] != L' ')
                    break;
            }
            piece.kind = Piece::Kind::Word;
        }
        piece.text = std::wstring_view(text).substr(i, end - i);
        piece.width = context.text.Width(item.style->font, piece.text);
        pieces.push_back(piece);
        i = end;
    }
}

Piece::Kind KindOf(InlineItem::Kind kind)
{
    switch (kind) {
    case InlineItem::Kind::Open: return Piece::Kind::Open;
    case InlineItem::Kind::Close: return Piece::Kind::Close;
    case InlineItem::Kind::Atomic: return Piece::Kind::Atomic;
    case InlineItem::Kind::Float: return Piece::Kind::Float;
    case InlineItem::Kind::Placeholder: return Piece::Kind::Placeholder;
    default: return Piece::Kind::Break;
    }
}

// A break may come before a word or an atomic inline that follows a space, a hyphen or
// another atomic inline; open and close pieces in between do not count.
void MarkBreakOpportunities(std::vector<Piece>& pieces)
{
    const Piece* previous = nullptr;
    for (Piece& piece : pieces) {
        if (piece.kind == Piece::Kind::Open || piece.kind == Piece::Kind::Close)
            continue;
        if (piece.kind != Piece::Kind::Word && piece.kind != Piece::Kind::Atomic) {
            if (piece.kind == Piece::Kind::Space || piece.kind == Piece::Kind::Break)
                previous = &piece;
            continue;
        }
        bool afterBreakable = previous && (previous->kind == Piece::Kind::Space ||
                                           previous->kind == Piece::Kind::Atomic || piece.kind == Piece::Kind::Atomic ||
                                           (previous->kind == Piece::Kind::Word && previous->text.back() == L'-'));
        piece.breakBefore = piece.wraps && afterBreakable;
        previous = &piece;
    }
}

// The pieces of the box's inline content, cut and measured once; the widths of inline edges
// (they may be percentages) are set for this containing width, those of atomic inlines and
// floats are the caller's to fill in.
std::vector<Piece>& PiecesOf(Box& box, int containingWidth, LayoutContext& context)
{
    BoxState& state = StateOf(box);
    if (!state.piecesKnown) {
        state.pieces.clear();
        for (const InlineItem& item : state.inlineItems) {
            if (item.kind == InlineItem::Kind::Text) {
                SplitText(item, context, state.pieces);
                continue;
            }
            Piece piece;
            piece.kind = KindOf(item.kind);
            piece.item = &item;
            piece.wraps = Wraps(*item.style);
            state.pieces.push_back(piece);
        }
        MarkBreakOpportunities(state.pieces);
        state.piecesKnown = true;
    }
    for (Piece& piece : state.pieces) {
        if (piece.kind == Piece::Kind::Open)
            piece.width = OpenEdge(*piece.item->style, containingWidth);
        if (piece.kind == Piece::Kind::Close)
            piece.width = CloseEdge(*piece.item->style, containingWidth);
    }
    return state.pieces;
}

}  // namespace

int LayoutLines(Box& box, int width, LayoutContext& context)
{
    std::vector<Piece>& pieces = PiecesOf(box, width, context);
    for (Piece& piece : pieces) {
        if (piece.kind != Piece::Kind::Atomic && piece.kind != Piece::Kind::Float)
            continue;
        Box& child = *piece.item->box;
        LayoutBox(child, { width, -1 }, context);
        piece.width = child.frame.width + child.margin.Horizontal();
    }
    LineBuilder lines(box, width, context);
    for (const Piece& piece : pieces)
        lines.Add(piece);
    return lines.Finish();
}

Intrinsic InlineIntrinsicWidths(Box& box, LayoutContext& context)
{
    std::vector<Piece> pieces = PiecesOf(box, 0, context);  // a copy: atomic widths are intrinsic here
    Intrinsic widths;
    int line = 0, unbreakable = 0, trailingSpace = 0, floats = 0;
    for (Piece& piece : pieces) {
        if (piece.kind == Piece::Kind::Atomic || piece.kind == Piece::Kind::Float) {
            Intrinsic outer = OuterIntrinsicWidths(*piece.item->box, context);
            widths.min = std::max(widths.min, outer.min);
            if (piece.kind == Piece::Kind::Float) {
                floats += outer.max;
                continue;
            }
            piece.width = outer.max;
        }
        if (piece.kind == Piece::Kind::Break) {
            widths.max = std::max(widths.max, line - trailingSpace);
            line = unbreakable = trailingSpace = 0;
            continue;
        }
        bool breakingSpace = piece.kind == Piece::Kind::Space && piece.wraps;
        if (piece.breakBefore || breakingSpace)
            unbreakable = 0;
        if (!breakingSpace)
            unbreakable += piece.width;
        widths.min = std::max(widths.min, unbreakable);
        if (piece.kind == Piece::Kind::Space && line == 0 && piece.collapsible)
            continue;
        line += piece.width;
        trailingSpace = piece.kind == Piece::Kind::Space ? trailingSpace + piece.width
                        : piece.kind == Piece::Kind::Word || piece.kind == Piece::Kind::Atomic ? 0
                                                                                               : trailingSpace;
    }
    widths.max = std::max(widths.max, line - trailingSpace) + floats;
    widths.max = std::max(widths.max, widths.min);
    return widths;
}

}  // namespace htmlengine
