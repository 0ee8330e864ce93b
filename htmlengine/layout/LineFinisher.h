#pragma once
// Turns the pieces of one full line into the box's LineBox, TextRuns, InlineFragments and
// atomic box positions (CSS 2.1 §10.8 line heights and vertical-align, §16.2 text-align,
// CSS Overflow 3 §3.1 text-overflow).
#include "htmlengine/layout/LineBuilder.h"

#include <vector>

namespace htmlengine {

class LineFinisher {
public:
    // `area`: where the line may go (x from the content box's left, y its top), and the strut height.
    LineFinisher(Box& box, LayoutContext& context, Point contentOrigin, Rect area);

    // The line's height, 0 when it shows nothing. `spans` are the inline elements open at
    // the line's start; on return, those still open at its end.
    int Finish(std::vector<PlacedPiece>& placed, std::vector<OpenSpan>& spans, bool forced);

private:
    struct Extent {
        int above = 0, below = 0;
    };
    void DropTrailingSpaces(std::vector<PlacedPiece>& placed, int& end) const;
    Extent TextExtent(const ComputedStyle& style) const;
    int BaselineShift(const ComputedStyle& style) const;
    int AtomicBaseline(const Box& atomic) const;
    void Measure(const std::vector<PlacedPiece>& placed);
    void EmitRuns(const std::vector<PlacedPiece>& placed);
    void PlaceAtomics(const std::vector<PlacedPiece>& placed);
    void EmitFragments(const std::vector<PlacedPiece>& placed, std::vector<OpenSpan>& spans, int end);
    void AddFragment(const InlineItem& item, int start, int end, bool first, bool last);
    void Truncate(size_t firstRun);

    Box& box_;
    LayoutContext& context_;
    Point origin_;
    Rect area_;
    int offset_ = 0;  // text-align's shift
    int above_ = 0;  // line top to baseline
    int height_ = 0;
};

}  // namespace htmlengine
