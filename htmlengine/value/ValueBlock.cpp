#include "htmlengine/value/ValueBlock.h"

#include <cstring>
#include <new>

#include "htmlengine/value/BlockArena.h"
#include "htmlengine/value/ValueSlot.h"

namespace htmlengine {

namespace {

Block* AllocateBlock(uint32_t count, size_t payloadBytes, BlockArena* arena)
{
    Block* block;
    if (arena) {
        block = arena->Allocate(payloadBytes);
    } else {
        block = static_cast<Block*>(::operator new(sizeof(Block) + payloadBytes));
        new (&block->references) std::atomic<int>(1);
    }
    block->count = count;
    return block;
}

void FreeBlock(Block* block)
{
    block->references.~atomic<int>();
    ::operator delete(block);
}

}  // namespace

Block* NewStringBlock(const wchar_t* chars, uint32_t length, BlockArena* arena)
{
    Block* block = AllocateBlock(length, (static_cast<size_t>(length) + 1) * sizeof(wchar_t), arena);
    wchar_t* target = reinterpret_cast<wchar_t*>(block + 1);
    if (length > 0)
        std::memcpy(target, chars, length * sizeof(wchar_t));
    target[length] = L'\0';
    return block;
}

Block* NewArrayBlock(uint32_t count, BlockArena* arena)
{
    return AllocateBlock(count, static_cast<size_t>(count) * sizeof(VALUE), arena);
}

Block* NewArrayBlock(const VALUE* elements, uint32_t count, BlockArena* arena)
{
    Block* block = NewArrayBlock(count, arena);
    if (count > 0)
        std::memcpy(static_cast<void*>(block + 1), elements, count * sizeof(VALUE));
    return block;
}

Block* NewObjectBlock(const Member* members, uint32_t count, BlockArena* arena)
{
    Block* block = AllocateBlock(count, static_cast<size_t>(count) * sizeof(Member), arena);
    if (count > 0)
        std::memcpy(static_cast<void*>(block + 1), members, count * sizeof(Member));
    return block;
}

void RetainBlock(Block* block)
{
    if (IsArenaBlock(block)) {
        RetainArena(block);
        return;
    }
    block->references.fetch_add(1, std::memory_order_relaxed);
}

void ReleaseBlock(Block* block, uint32_t type)
{
    if (IsArenaBlock(block)) {
        ReleaseArena(block);
        return;
    }
    // Acquire-release so the thread that frees the block sees every other thread's last use.
    if (block->references.fetch_sub(1, std::memory_order_acq_rel) != 1)
        return;
    if (type == VALUE_ARRAY) {
        VALUE* elements = reinterpret_cast<VALUE*>(block + 1);
        for (uint32_t i = 0; i < block->count; ++i)
            ResetValue(elements[i]);
    } else if (type == VALUE_OBJECT) {
        Member* members = reinterpret_cast<Member*>(block + 1);
        for (uint32_t i = 0; i < block->count; ++i) {
            ReleaseBlock(members[i].key, VALUE_STRING);
            ResetValue(members[i].value);
        }
    }
    FreeBlock(block);
}

}  // namespace htmlengine
