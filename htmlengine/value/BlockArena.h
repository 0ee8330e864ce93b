#pragma once
// The blocks of one parsed text, cut from a few large chunks instead of allocated one by one, and
// freed all together. Blocks cut from an arena hold only blocks of the same arena, so they share
// one reference count: a reference to any of them keeps the whole arena.
#include <cstddef>

#include "htmlengine/value/ValueBlock.h"

namespace htmlengine {

struct ArenaShare;
struct Chunk;

class BlockArena {
public:
    // Chunks are sized for a text of this many characters.
    explicit BlockArena(size_t textLength);
    // Frees every block cut so far unless a value has taken the arena over.
    ~BlockArena();
    BlockArena(const BlockArena&) = delete;
    BlockArena& operator=(const BlockArena&) = delete;

    // A block with room for this many payload bytes; its count is the caller's to set.
    Block* Allocate(size_t payloadBytes);
    // The value that holds one of the arena's blocks now owns the arena: one reference.
    void HandOver();

private:
    Chunk* NewChunk(size_t bytes);
    static Block* Place(const Chunk* chunk, char* room);

    ArenaShare* m_share;
    size_t m_chunkBytes;
    Chunk* m_chunk;  // the one cut from
    char* m_next;
    size_t m_left;
};

// Arena blocks keep their own count below zero, where no live block on the heap ever has it.
inline bool IsArenaBlock(const Block* block)
{
    return block->references.load(std::memory_order_relaxed) < 0;
}
void RetainArena(const Block* block);
// Frees the whole arena when the last reference to it goes.
void ReleaseArena(const Block* block);

}  // namespace htmlengine
