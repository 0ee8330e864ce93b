#pragma once
// The values of the arrays being read, in pieces of fixed size that are kept once made: unlike a
// vector it never moves what it holds to grow, so a long array is written once to the stack and
// once to its block.
#include <cstddef>
#include <memory>
#include <vector>

#include "htmlengine/api/EngineValue.h"

namespace htmlengine {

class ValueStack {
public:
    size_t Size() const { return m_size; }
    void Push(const VALUE& value);
    VALUE Pop();
    // Copies the values from position `first` on to target, and drops them from the stack.
    void MoveFrom(size_t first, VALUE* target);

private:
    static const size_t kPiece = 512;

    std::vector<std::unique_ptr<VALUE[]>> m_pieces;
    size_t m_size = 0;
};

}  // namespace htmlengine
