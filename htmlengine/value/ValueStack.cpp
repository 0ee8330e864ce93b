#include "htmlengine/value/ValueStack.h"

#include <algorithm>
#include <cstring>

namespace htmlengine {

void ValueStack::Push(const VALUE& value)
{
    if (m_size == m_pieces.size() * kPiece)
        m_pieces.emplace_back(new VALUE[kPiece]);
    m_pieces[m_size / kPiece][m_size % kPiece] = value;
    ++m_size;
}

VALUE ValueStack::Pop()
{
    --m_size;
    return m_pieces[m_size / kPiece][m_size % kPiece];
}

void ValueStack::MoveFrom(size_t first, VALUE* target)
{
    for (size_t at = first; at < m_size;) {
        size_t offset = at % kPiece;
        size_t count = std::min(kPiece - offset, m_size - at);
        std::memcpy(static_cast<void*>(target), &m_pieces[at / kPiece][offset], count * sizeof(VALUE));
        target += count;
        at += count;
    }
    m_size = first;
}

}  // namespace htmlengine
