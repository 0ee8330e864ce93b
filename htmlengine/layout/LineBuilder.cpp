#include "htmlengine/layout/LineBuilder.h"

#include "htmlengine/document/style/ComputedStyle.h"
#include "htmlengine/layout/BoxSizes.h"
#include "htmlengine/layout/LineFinisher.h"

#include <algorithm>

namespace htmlengine {

LineBuilder::LineBuilder(Box& box, int width, LayoutContext& context)
    : box_(box),
      width_(width),
      context_(context),
      contentOrigin_ { box.border.left + box.padding.left, box.border.top + box.padding.top }
{
    strut_ = box.style->LineHeightPx(context.text.Metrics(box.style->font).lineHeight);
}

void LineBuilder::Available(int top, int height, int& left, int& right) const
{
    left = 0;
    right = width_;
    for (const FloatArea& area : floats_) {
        if (area.rect.Bottom() <= top || area.rect.y >= top + std::max(1, height))
            continue;
        if (area.left)
            left = std::max(left, area.rect.Right());
        else
            right = std::min(right, area.rect.x);
    }
}

int LineBuilder::LineAvailable() const
{
    int left = 0, right = 0;
    Available(y_, strut_, left, right);
    return right - left;
}

void LineBuilder::Add(const Piece& piece)
{
    switch (piece.kind) {
    case Piece::Kind::Space:
        if (!hasContent_ && piece.collapsible)
            return;
        placed_.push_back({ &piece, x_ });
        x_ += piece.width;
        return;
    case Piece::Kind::Word:
    case Piece::Kind::Atomic:
        if (hasContent_ && piece.breakBefore && x_ + piece.width > LineAvailable())
            EndLine(false);
        placed_.push_back({ &piece, x_ });
        x_ += piece.width;
        hasContent_ = true;
        return;
    case Piece::Kind::Open:
        placed_.push_back({ &piece, x_ });
        x_ += piece.width;
        return;
    case Piece::Kind::Close:
        x_ += piece.width;
        placed_.push_back({ &piece, x_ });
        return;
    case Piece::Kind::Break: EndLine(true); return;
    case Piece::Kind::Float:
        if (!hasContent_ || x_ + piece.width <= LineAvailable())
            PlaceFloat(piece, y_);
        else
            deferredFloats_.push_back(&piece);
        return;
    case Piece::Kind::Placeholder: {
        int left = 0, right = 0;
        Available(y_, strut_, left, right);
        BoxState& state = StateOf(*piece.item->box);
        state.staticParent = &box_;
        state.staticPosition = { contentOrigin_.x + left + x_, contentOrigin_.y + y_ };
        return;
    }
    }
}

void LineBuilder::PlaceFloat(const Piece& piece, int lineTop)
{
    Box& child = *piece.item->box;
    int width = piece.width, height = child.frame.height + child.margin.Vertical();
    int left = 0, right = 0;
    Available(lineTop, height, left, right);
    bool toLeft = child.style->floating == Float::Left;
    int x = toLeft ? left : std::max(left, right - width);
    PlaceBox(child, contentOrigin_.x + x + child.margin.left, contentOrigin_.y + lineTop + child.margin.top,
             { width_, -1 });
    floats_.push_back({ { x, lineTop, width, height }, toLeft });
}

void LineBuilder::EndLine(bool forced)
{
    int left = 0, right = 0;
    Available(y_, strut_, left, right);
    LineFinisher finisher(box_, context_, contentOrigin_, { left, y_, right - left, strut_ });
    int height = finisher.Finish(placed_, spans_, forced);
    if (height > 0 && box_.lines.size() == 1)
        StateOf(box_).firstBaseline = box_.lines.front().baseline;
    y_ += height;
    x_ = 0;
    hasContent_ = false;
    placed_.clear();
    for (const Piece* piece : deferredFloats_)
        PlaceFloat(*piece, y_);
    deferredFloats_.clear();
}

int LineBuilder::Finish()
{
    if (!placed_.empty())
        EndLine(false);
    for (const Piece* piece : deferredFloats_)
        PlaceFloat(*piece, y_);
    deferredFloats_.clear();
    int bottom = y_;
    for (const FloatArea& area : floats_)
        bottom = std::max(bottom, area.rect.Bottom());
    return bottom;
}

}  // namespace htmlengine
