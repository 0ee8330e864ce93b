#include "htmlengine/value/JsonReader.h"

#include <cstdint>
#include <vector>

#include "htmlengine/value/JsonNumber.h"
#include "htmlengine/value/JsonString.h"
#include "htmlengine/value/KeyCache.h"
#include "htmlengine/value/MemberIndex.h"
#include "htmlengine/value/ValueSlot.h"
#include "htmlengine/value/ValueStack.h"

namespace htmlengine {

namespace {

// Reads standard JSON (RFC 8259) with two allowances: member names may also be unquoted
// identifiers, and raw control characters inside strings are taken as they are. Values and
// members read so far wait on two stacks until their array or object closes. Every block is made
// in one arena, which the result takes over; when reading fails the arena frees them all, so no
// partial structure ever escapes.
class JsonReader {
public:
    JsonReader(const wchar_t* text, size_t length)
        : m_cursor(text), m_end(text + length), m_arena(length), m_keys(m_arena), m_shortTexts(m_arena)
    {
    }
    JsonReader(const JsonReader&) = delete;
    JsonReader& operator=(const JsonReader&) = delete;

    bool Read(VALUE& result);

private:
    bool ReadValue(int depth);
    bool ReadArray(int depth);
    bool ReadObject(int depth);
    bool ReadMember(int depth, MemberIndex& index);
    bool ReadKey(Block*& key);
    bool ReadIdentifier(Block*& key);
    bool ReadString();
    bool ReadWord(const wchar_t* word, uint32_t type, uint32_t data);
    bool ReadNumber();

    void SkipBlanks();
    bool Consume(wchar_t expected);
    void PushBlock(uint32_t type, Block* block);
    VALUE PopValue();

    const wchar_t* m_cursor;
    const wchar_t* m_end;
    ValueStack m_values;
    std::vector<Member> m_members;
    JsonStringReader m_strings;
    BlockArena m_arena;
    KeyCache m_keys;
    KeyCache m_shortTexts;  // dates, codes and names repeat from record to record
};

// JSON-text = ws value ws (section 2)
bool JsonReader::Read(VALUE& result)
{
    SkipBlanks();
    if (!ReadValue(0))
        return false;
    SkipBlanks();
    if (m_cursor != m_end)
        return false;
    result = PopValue();
    if (HoldsBlock(result.type))
        m_arena.HandOver();
    return true;
}

// value = false / null / true / object / array / number / string (section 3)
bool JsonReader::ReadValue(int depth)
{
    if (m_cursor == m_end)
        return false;
    switch (*m_cursor) {
    case L'{': return depth < kMaxJsonDepth && ReadObject(depth + 1);
    case L'[': return depth < kMaxJsonDepth && ReadArray(depth + 1);
    case L'"': return ReadString();
    case L't': return ReadWord(L"true", VALUE_BOOL, 1);
    case L'f': return ReadWord(L"false", VALUE_BOOL, 0);
    case L'n': return ReadWord(L"null", VALUE_NULL, 0);
    default: return ReadNumber();
    }
}

// array = begin-array [ value *( value-separator value ) ] end-array (section 5)
bool JsonReader::ReadArray(int depth)
{
    ++m_cursor;
    size_t first = m_values.Size();
    SkipBlanks();
    if (!Consume(L']')) {
        do {
            SkipBlanks();
            if (!ReadValue(depth))
                return false;
            SkipBlanks();
        } while (Consume(L','));
        if (!Consume(L']'))
            return false;
    }
    Block* array = NewArrayBlock(static_cast<uint32_t>(m_values.Size() - first), &m_arena);
    m_values.MoveFrom(first, ArrayElements(array));  // the block owns them now
    PushBlock(VALUE_ARRAY, array);
    return true;
}

// object = begin-object [ member *( value-separator member ) ] end-object (section 4)
bool JsonReader::ReadObject(int depth)
{
    ++m_cursor;
    size_t first = m_members.size();
    MemberIndex index(m_members, first);
    SkipBlanks();
    if (!Consume(L'}')) {
        do {
            SkipBlanks();
            if (!ReadMember(depth, index))
                return false;
            SkipBlanks();
        } while (Consume(L','));
        if (!Consume(L'}'))
            return false;
    }
    Block* object = NewObjectBlock(m_members.data() + first, static_cast<uint32_t>(m_members.size() - first), &m_arena);
    m_members.resize(first);  // the block owns them now
    PushBlock(VALUE_OBJECT, object);
    return true;
}

// member = string name-separator value (section 4), the name quoted or an identifier.
// A repeated name keeps the earlier position and takes the later value.
bool JsonReader::ReadMember(int depth, MemberIndex& index)
{
    Block* key = nullptr;
    if (!ReadKey(key))
        return false;
    ptrdiff_t earlier = index.Find(key);
    if (earlier < 0) {
        m_members.push_back(Member { key, VALUE() });
        index.Added();
    }
    SkipBlanks();
    if (!Consume(L':'))
        return false;
    SkipBlanks();
    if (!ReadValue(depth))
        return false;
    // The earlier value is the arena's: it goes with the arena.
    VALUE& target = earlier >= 0 ? m_members[earlier].value : m_members.back().value;
    target = PopValue();
    return true;
}

bool JsonReader::ReadKey(Block*& key)
{
    if (m_cursor < m_end && *m_cursor == L'"') {
        const wchar_t* chars = nullptr;
        uint32_t length = 0;
        if (!m_strings.Read(m_cursor, m_end, chars, length))
            return false;
        key = m_keys.Intern(chars, length);
        return true;
    }
    return ReadIdentifier(key);
}

bool IsIdentifierStart(wchar_t c)
{
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || c == L'_' || c == L'$';
}

bool IsIdentifierPart(wchar_t c)
{
    return IsIdentifierStart(c) || (c >= L'0' && c <= L'9');
}

// identifier = [A-Za-z_$] *[A-Za-z0-9_$]
bool JsonReader::ReadIdentifier(Block*& key)
{
    const wchar_t* start = m_cursor;
    if (m_cursor == m_end || !IsIdentifierStart(*m_cursor))
        return false;
    while (m_cursor < m_end && IsIdentifierPart(*m_cursor))
        ++m_cursor;
    key = m_keys.Intern(start, static_cast<uint32_t>(m_cursor - start));
    return true;
}

bool JsonReader::ReadString()
{
    const wchar_t* chars = nullptr;
    uint32_t length = 0;
    if (!m_strings.Read(m_cursor, m_end, chars, length))
        return false;
    const uint32_t kShortText = 16;
    PushBlock(VALUE_STRING,
              length <= kShortText ? m_shortTexts.Intern(chars, length) : NewStringBlock(chars, length, &m_arena));
    return true;
}

// false = %x66.61.6c.73.65, null = %x6e.75.6c.6c, true = %x74.72.75.65 (section 3)
bool JsonReader::ReadWord(const wchar_t* word, uint32_t type, uint32_t data)
{
    for (; *word; ++word, ++m_cursor)
        if (m_cursor == m_end || *m_cursor != *word)
            return false;
    VALUE value = { type, 0, data };
    m_values.Push(value);
    return true;
}

bool JsonReader::ReadNumber()
{
    VALUE value = {};
    if (!ReadJsonNumber(m_cursor, m_end, value))
        return false;
    m_values.Push(value);
    return true;
}

// ws = *( %x20 / %x09 / %x0A / %x0D ) (section 2)
void JsonReader::SkipBlanks()
{
    while (m_cursor < m_end && (*m_cursor == L' ' || *m_cursor == L'\t' || *m_cursor == L'\n' || *m_cursor == L'\r'))
        ++m_cursor;
}

bool JsonReader::Consume(wchar_t expected)
{
    if (m_cursor == m_end || *m_cursor != expected)
        return false;
    ++m_cursor;
    return true;
}

void JsonReader::PushBlock(uint32_t type, Block* block)
{
    VALUE value = { type, 0, reinterpret_cast<uintptr_t>(block) };
    m_values.Push(value);
}

VALUE JsonReader::PopValue()
{
    return m_values.Pop();
}

}  // namespace

bool ReadJson(const wchar_t* text, size_t length, VALUE& result)
{
    JsonReader reader(text, length);
    return reader.Read(result);
}

}  // namespace htmlengine
