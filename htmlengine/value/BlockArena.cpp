#include "htmlengine/value/BlockArena.h"

#include <algorithm>
#include <atomic>
#include <new>

namespace htmlengine {

struct ArenaShare;

// Sixteen bytes keep the blocks after it aligned for VALUEs.
struct alignas(16) Chunk {
    Chunk* next;
    ArenaShare* share;
};

struct ArenaShare {
    std::atomic<int> references;
    Chunk* chunks;
};

namespace {

// Chunks large enough that a big reply takes a handful: each one is a call into the system.
const size_t kSmallestChunk = 512;
const size_t kLargestChunk = 4 << 20;

size_t RoundUp(size_t bytes)
{
    return (bytes + 7) & ~static_cast<size_t>(7);
}

// An arena block's own count holds, negated, its distance in eight-byte steps from the start of
// its chunk.
ArenaShare* ShareOf(const Block* block)
{
    size_t distance = static_cast<size_t>(-block->references.load(std::memory_order_relaxed)) * 8;
    return reinterpret_cast<const Chunk*>(reinterpret_cast<const char*>(block) - distance)->share;
}

void FreeShare(ArenaShare* share)
{
    for (Chunk* chunk = share->chunks; chunk;) {
        Chunk* next = chunk->next;
        ::operator delete(chunk);
        chunk = next;
    }
    delete share;
}

}  // namespace

// An eighth of the text's size per chunk wastes little at the end of the last one.
BlockArena::BlockArena(size_t textLength)
    : m_share(new ArenaShare { { 0 }, nullptr }),
      m_chunkBytes(std::min(std::max(textLength * sizeof(wchar_t) / 8, kSmallestChunk), kLargestChunk)),
      m_next(nullptr),
      m_left(0)
{
}

BlockArena::~BlockArena()
{
    if (m_share)
        FreeShare(m_share);
}

Block* BlockArena::Allocate(size_t payloadBytes)
{
    size_t bytes = RoundUp(sizeof(Block) + payloadBytes);
    if (bytes > m_left) {
        if (bytes > m_chunkBytes / 2) {
            Chunk* own = NewChunk(bytes);  // so the current chunk keeps its free space
            return Place(own, reinterpret_cast<char*>(own + 1));
        }
        m_chunk = NewChunk(m_chunkBytes);
        m_next = reinterpret_cast<char*>(m_chunk + 1);
        m_left = m_chunkBytes;
    }
    char* room = m_next;
    m_next += bytes;
    m_left -= bytes;
    return Place(m_chunk, room);
}

Block* BlockArena::Place(const Chunk* chunk, char* room)
{
    Block* block = reinterpret_cast<Block*>(room);
    int distance = static_cast<int>((room - reinterpret_cast<const char*>(chunk)) / 8);
    new (&block->references) std::atomic<int>(-distance);
    return block;
}

Chunk* BlockArena::NewChunk(size_t bytes)
{
    Chunk* chunk = static_cast<Chunk*>(::operator new(sizeof(Chunk) + bytes));
    chunk->next = m_share->chunks;
    chunk->share = m_share;
    m_share->chunks = chunk;
    return chunk;
}

void BlockArena::HandOver()
{
    m_share->references.store(1, std::memory_order_relaxed);
    m_share = nullptr;
}

void RetainArena(const Block* block)
{
    ShareOf(block)->references.fetch_add(1, std::memory_order_relaxed);
}

void ReleaseArena(const Block* block)
{
    ArenaShare* share = ShareOf(block);
    // Acquire-release so the thread that frees the arena sees every other thread's last use.
    if (share->references.fetch_sub(1, std::memory_order_acq_rel) == 1)
        FreeShare(share);
}

}  // namespace htmlengine
