#pragma once
// The nested clips of a painter: each pushed rectangle is cut by the ones around it.
#include "htmlengine/document/geometry/Geometry.h"

#include <vector>

namespace htmlengine {

class ClipStack {
public:
    explicit ClipStack(const Rect& bounds) : clips_ { bounds } {}
    const Rect& Current() const { return clips_.back(); }
    void Push(const Rect& rect) { clips_.push_back(Current().Intersection(rect)); }
    // The outermost clip stays.
    void Pop()
    {
        if (clips_.size() > 1)
            clips_.pop_back();
    }

private:
    std::vector<Rect> clips_;
};

}  // namespace htmlengine
