#include "htmlengine/value/JsonString.h"

#include "htmlengine/value/HexDigit.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace htmlengine {

namespace {

// A value's length is 32 bits; a longer string is refused rather than cut.
bool TakeLength(size_t count, uint32_t& length)
{
    if (count > UINT32_MAX)
        return false;
    length = static_cast<uint32_t>(count);
    return true;
}

// Past the characters that stand for themselves: up to the next quote or backslash, eight
// characters at a time where the processor can compare them together.
const wchar_t* SkipPlain(const wchar_t* cursor, const wchar_t* end)
{
#ifdef __SSE2__
    const __m128i quote = _mm_set1_epi16(L'"');
    const __m128i backslash = _mm_set1_epi16(L'\\');
    for (; end - cursor >= 8; cursor += 8) {
        __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(cursor));
        int stops = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi16(units, quote), _mm_cmpeq_epi16(units, backslash)));
        if (stops)
            return cursor + __builtin_ctz(static_cast<unsigned>(stops)) / 2;
    }
#endif
    while (cursor < end && *cursor != L'"' && *cursor != L'\\')
        ++cursor;
    return cursor;
}

}  // namespace

// string = quotation-mark *char quotation-mark (RFC 8259, section 7). Raw control characters are
// taken as they are: the server's free texts may hold them.
bool JsonStringReader::Read(const wchar_t*& cursor, const wchar_t* end, const wchar_t*& chars, uint32_t& length)
{
    const wchar_t* run = ++cursor;
    cursor = SkipPlain(cursor, end);
    if (cursor < end && *cursor == L'"') {
        chars = run;
        return TakeLength(static_cast<size_t>(cursor++ - run), length);
    }
    m_unescaped.assign(run, cursor);
    while (cursor < end && *cursor != L'"') {
        if (*cursor == L'\\') {
            if (!ReadEscape(cursor, end))
                return false;
            continue;
        }
        run = cursor;
        cursor = SkipPlain(cursor, end);
        m_unescaped.append(run, cursor);
    }
    if (cursor == end)
        return false;
    ++cursor;
    chars = m_unescaped.data();
    return TakeLength(m_unescaped.size(), length);
}

// escape = %x5C ( %x22 / %x5C / %x2F / %x62 / %x66 / %x6E / %x72 / %x74 / %x75 4HEXDIG )
bool JsonStringReader::ReadEscape(const wchar_t*& cursor, const wchar_t* end)
{
    if (++cursor == end)
        return false;
    wchar_t escaped = *cursor++;
    switch (escaped) {
    case L'"':
    case L'\\':
    case L'/': m_unescaped.push_back(escaped); return true;
    case L'b': m_unescaped.push_back(L'\b'); return true;
    case L'f': m_unescaped.push_back(L'\f'); return true;
    case L'n': m_unescaped.push_back(L'\n'); return true;
    case L'r': m_unescaped.push_back(L'\r'); return true;
    case L't': m_unescaped.push_back(L'\t'); return true;
    case L'u': return ReadHexUnit(cursor, end);
    default: return false;
    }
}

// One UTF-16 unit from four hex digits; surrogates, paired or not, are kept as they are.
bool JsonStringReader::ReadHexUnit(const wchar_t*& cursor, const wchar_t* end)
{
    if (end - cursor < 4)
        return false;
    unsigned unit = 0;
    for (int i = 0; i < 4; ++i) {
        int digit = HexDigitValue(*cursor++);
        if (digit < 0)
            return false;
        unit = unit * 16 + static_cast<unsigned>(digit);
    }
    m_unescaped.push_back(static_cast<wchar_t>(unit));
    return true;
}

}  // namespace htmlengine
