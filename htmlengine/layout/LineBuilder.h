#pragma once
// Fills line boxes with pieces of inline content, one at a time (greedy, CSS Text 3 §5), and
// turns each full line into a LineBox, TextRuns, InlineFragments and placed atomic boxes.
#include "htmlengine/layout/BoxState.h"
#include "htmlengine/layout/InlinePiece.h"
#include "htmlengine/layout/LayoutContext.h"

#include <string_view>
#include <vector>

namespace htmlengine {

struct PlacedPiece {
    const Piece* piece;
    int x;  // from the start of the line
};

// An inline element open on a line: where its border box starts.
struct OpenSpan {
    const InlineItem* item;
    int start;
    bool first;  // it starts on this line
};

class LineBuilder {
public:
    LineBuilder(Box& box, int width, LayoutContext& context);
    void Add(const Piece& piece);
    // Ends the last line; the height of all lines (and of the floats beside them).
    int Finish();

private:
    struct FloatArea {
        Rect rect;  // margin box, in content coordinates
        bool left;
    };

    void EndLine(bool forced);
    void PlaceFloat(const Piece& piece, int lineTop);
    void Available(int top, int height, int& left, int& right) const;
    int LineAvailable() const;

    Box& box_;
    int width_;
    LayoutContext& context_;
    Point contentOrigin_;
    std::vector<PlacedPiece> placed_;
    std::vector<OpenSpan> spans_;  // inline elements open when this line starts
    std::vector<const Piece*> deferredFloats_;
    std::vector<FloatArea> floats_;
    int x_ = 0;
    int y_ = 0;
    bool hasContent_ = false;
    int strut_ = 0;
};

}  // namespace htmlengine
