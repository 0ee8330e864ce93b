#include "core/TextCodec.h"

#include <cstring>
#include <cwchar>

namespace Quorvane {

namespace {

const wchar_t kReplacement = L'?';
const unsigned int kByteOrderMark = 0xFEFF;

bool IsContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// The length a lead byte announces, or 0 for a byte that cannot start a sequence.
size_t SequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 0;
}

// Smallest code point each length may carry; anything below is an overlong form.
unsigned int MinimumCodePoint(size_t length)
{
    static const unsigned int minimum[] = { 0, 0, 0x80, 0x800, 0x10000 };
    return minimum[length];
}

bool IsSurrogate(unsigned int codePoint)
{
    return codePoint >= 0xD800 && codePoint <= 0xDFFF;
}

void AppendCodePoint(unsigned int codePoint, WideBuffer& output)
{
    if (codePoint >= 0x10000) {
        output.Append(static_cast<wchar_t>((codePoint >> 10) + 0xD7C0));
        output.Append(static_cast<wchar_t>((codePoint & 0x3FF) | 0xDC00));
    } else {
        output.Append(static_cast<wchar_t>(codePoint));
    }
}

void AppendUtf8(unsigned int codePoint, ByteBuffer& output)
{
    if (codePoint < 0x80) {
        output.Append(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
        output.Append(static_cast<char>(0xC0 | (codePoint >> 6)));
        output.Append(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else if (codePoint < 0x10000) {
        output.Append(static_cast<char>(0xE0 | (codePoint >> 12)));
        output.Append(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        output.Append(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else {
        output.Append(static_cast<char>(0xF0 | (codePoint >> 18)));
        output.Append(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
        output.Append(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        output.Append(static_cast<char>(0x80 | (codePoint & 0x3F)));
    }
}

}  // namespace

void DecodeUtf8(const unsigned char* bytes, size_t length, WideBuffer& output)
{
    size_t at = 0;
    while (at < length && bytes[at] != 0) {
        unsigned char lead = bytes[at];
        size_t sequence = SequenceLength(lead);
        if (sequence == 0) {
            output.Append(kReplacement);
            ++at;
            continue;
        }
        size_t available = length - at < sequence ? length - at : sequence;
        unsigned int codePoint = sequence == 1 ? lead : lead & (0xFF >> (sequence + 1));
        size_t taken = 1;
        while (taken < available && IsContinuation(bytes[at + taken]))
            codePoint = (codePoint << 6) | (bytes[at + taken++] & 0x3F);
        if (taken == available && available < sequence) {
            // A sequence cut off by the end of the text ends the text.
            output.Append(kReplacement);
            return;
        }
        if (taken < sequence || codePoint < MinimumCodePoint(sequence) || IsSurrogate(codePoint) ||
            codePoint > 0x10FFFF) {
            // Resume at the byte that broke the sequence, so no valid character is lost.
            output.Append(kReplacement);
            at += taken;
            continue;
        }
        at += sequence;
        if (codePoint == kByteOrderMark && output.Size() == 0)
            continue;
        AppendCodePoint(codePoint, output);
    }
}

void EncodeUtf8(const wchar_t* units, size_t length, ByteBuffer& output)
{
    for (size_t at = 0; at < length && units[at] != 0; ++at) {
        unsigned int unit = static_cast<unsigned int>(units[at]) & 0xFFFF;
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            if (at + 1 == length || units[at + 1] == 0)
                return;  // a high surrogate at the end is dropped
            unsigned int next = static_cast<unsigned int>(units[at + 1]) & 0xFFFF;
            if (next < 0xDC00 || next > 0xDFFF) {
                output.Append('?');
                continue;  // the next unit is encoded on its own
            }
            AppendUtf8(((unit - 0xD7F7) << 10) + next, output);
            ++at;
            continue;
        }
        AppendUtf8(unit, output);
    }
}

Utf8ToWide::Utf8ToWide(const char* bytes, int length)
{
    if (!bytes)
        return;
    size_t byteCount = length > 0 ? static_cast<size_t>(length) : std::strlen(bytes);
    DecodeUtf8(reinterpret_cast<const unsigned char*>(bytes), byteCount, m_buffer);
}

WideToUtf8::WideToUtf8(const std::wstring& text)
{
    EncodeUtf8(text.c_str(), text.size(), m_buffer);
}

WideToUtf8::WideToUtf8(const wchar_t* text)
{
    if (text)
        EncodeUtf8(text, std::wcslen(text), m_buffer);
}

std::string Narrow(const std::wstring& text)
{
    WideToUtf8 bytes(text);
    return std::string(bytes.c_str(), bytes.size());
}

}  // namespace Quorvane
