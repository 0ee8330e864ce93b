#pragma once
// json::string and json::astring: the reference-counted texts in which the wrappers hand back
// engine text. Copies share one block; the counts are plain integers, so a text must stay on one
// thread.
#include <cstring>
#include <cwchar>
#include <new>

namespace json {

template <typename Char>
class counted_string {
public:
    counted_string() : m_block(nullptr) {}
    // A null pointer or a length of 0 or less gives the empty text.
    counted_string(const Char* chars, int length) : m_block(MakeBlock(chars, length)) {}
    explicit counted_string(const Char* text) : m_block(MakeBlock(text, text ? TextLength(text) : 0)) {}
    counted_string(const counted_string& other) : m_block(other.m_block) { AddReference(); }
    counted_string& operator=(const counted_string& other)
    {
        if (m_block != other.m_block) {
            Release();
            m_block = other.m_block;
            AddReference();
        }
        return *this;
    }
    ~counted_string() { Release(); }

    const Char* c_str() const { return m_block ? m_block->chars : EmptyText(); }
    int length() const { return m_block ? m_block->length : 0; }

private:
    struct Block {
        int references;
        int length;
        Char chars[1];
    };

    static const Char* EmptyText()
    {
        static const Char empty[1] = {};
        return empty;
    }
    static int TextLength(const char* text) { return static_cast<int>(std::strlen(text)); }
    static int TextLength(const wchar_t* text) { return static_cast<int>(std::wcslen(text)); }

    static Block* MakeBlock(const Char* chars, int length)
    {
        if (!chars || length <= 0)
            return nullptr;
        // The struct's one character is room for the terminating NUL.
        Block* block = static_cast<Block*>(::operator new(sizeof(Block) + length * sizeof(Char)));
        block->references = 1;
        block->length = length;
        std::memcpy(block->chars, chars, length * sizeof(Char));
        block->chars[length] = Char();
        return block;
    }

    void AddReference()
    {
        if (m_block)
            ++m_block->references;
    }

    void Release()
    {
        if (m_block && --m_block->references == 0)
            ::operator delete(m_block);
        m_block = nullptr;
    }

    Block* m_block;
};

typedef counted_string<wchar_t> string;
typedef counted_string<char> astring;

}  // namespace json
