#include "htmlengine/layout/ContentShift.h"

#include "htmlengine/layout/BoxState.h"

namespace htmlengine {

void ShiftContent(Box& box, int dy)
{
    if (dy == 0)
        return;
    for (const std::unique_ptr<Box>& child : box.children)
        if (!child->style->IsOutOfFlow())
            child->frame.y += dy;
    for (LineBox& line : box.lines) {
        line.rect.y += dy;
        line.baseline += dy;
    }
    for (TextRun& run : box.runs) {
        run.rect.y += dy;
        run.baseline += dy;
    }
    for (InlineFragment& fragment : box.fragments)
        fragment.rect.y += dy;
    if (box.state && box.state->firstBaseline >= 0)
        box.state->firstBaseline += dy;
}

}  // namespace htmlengine
