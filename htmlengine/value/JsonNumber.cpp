#include "htmlengine/value/JsonNumber.h"

#include <charconv>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "htmlengine/value/ValueSlot.h"

namespace htmlengine {

namespace {

bool IsDigit(wchar_t c)
{
    return c >= L'0' && c <= L'9';
}

const wchar_t* SkipDigits(const wchar_t* cursor, const wchar_t* end)
{
    while (cursor < end && IsDigit(*cursor))
        ++cursor;
    return cursor;
}

// Where the number's pieces lie in the text.
struct NumberSpan {
    const wchar_t* begin;
    const wchar_t* integerDigits;
    const wchar_t* integerEnd;
    const wchar_t* end;
    bool negative;
    bool integral;  // no fraction and no exponent
};

// RFC 8259, section 6:
//   number = [ minus ] int [ frac ] [ exp ]
//   int = zero / ( digit1-9 *DIGIT )
//   frac = decimal-point 1*DIGIT
//   exp = e [ minus / plus ] 1*DIGIT
bool ScanNumber(const wchar_t* cursor, const wchar_t* end, NumberSpan& span)
{
    span.begin = cursor;
    span.negative = cursor < end && *cursor == L'-';
    if (span.negative)
        ++cursor;
    span.integerDigits = cursor;
    if (cursor == end || !IsDigit(*cursor))
        return false;
    cursor = *cursor == L'0' ? cursor + 1 : SkipDigits(cursor, end);
    span.integerEnd = cursor;
    span.integral = true;
    if (cursor < end && *cursor == L'.') {
        const wchar_t* fraction = cursor + 1;
        cursor = SkipDigits(fraction, end);
        if (cursor == fraction)
            return false;
        span.integral = false;
    }
    if (cursor < end && (*cursor == L'e' || *cursor == L'E')) {
        ++cursor;
        if (cursor < end && (*cursor == L'+' || *cursor == L'-'))
            ++cursor;
        const wchar_t* exponent = cursor;
        cursor = SkipDigits(exponent, end);
        if (cursor == exponent)
            return false;
        span.integral = false;
    }
    span.end = cursor;
    return true;
}

// The integer when it fits in 32 bits.
bool IntegerValue(const NumberSpan& span, int32_t& result)
{
    const size_t kMaxDigits = 10;
    if (static_cast<size_t>(span.integerEnd - span.integerDigits) > kMaxDigits)
        return false;
    int64_t magnitude = 0;
    for (const wchar_t* digit = span.integerDigits; digit < span.integerEnd; ++digit)
        magnitude = magnitude * 10 + (*digit - L'0');
    int64_t number = span.negative ? -magnitude : magnitude;
    if (number < std::numeric_limits<int32_t>::min() || number > std::numeric_limits<int32_t>::max())
        return false;
    result = static_cast<int32_t>(number);
    return true;
}

// A valid number too large for a double is infinite and one too small is zero. The decimal
// exponent of its first significant digit tells which.
bool Overflows(const std::string& ascii)
{
    size_t mantissaEnd = ascii.find_first_of("eE");
    long exponent = mantissaEnd == std::string::npos ? 0 : std::strtol(ascii.c_str() + mantissaEnd + 1, nullptr, 10);
    std::string mantissa = ascii.substr(0, mantissaEnd);
    size_t point = mantissa.find('.');
    size_t integerEnd = point == std::string::npos ? mantissa.size() : point;
    size_t firstSignificant = mantissa.find_first_of("123456789");
    if (firstSignificant == std::string::npos)
        return false;
    long position = firstSignificant < integerEnd ? static_cast<long>(integerEnd - firstSignificant)
                                                  : -static_cast<long>(firstSignificant - integerEnd - 1);
    // strtol saturates an exponent with too many digits: compared this way the sum cannot overflow.
    return exponent > -position;
}

double FloatValue(const NumberSpan& span)
{
    // The number's characters are ASCII: narrow them for the locale-free from_chars.
    std::string ascii(span.begin, span.end);
    const char* digits = ascii.c_str() + (span.negative ? 1 : 0);
    double magnitude = 0;
    std::from_chars_result read = std::from_chars(digits, ascii.c_str() + ascii.size(), magnitude);
    if (read.ec == std::errc::result_out_of_range)
        magnitude = Overflows(digits) ? std::numeric_limits<double>::infinity() : 0.0;
    return span.negative ? -magnitude : magnitude;
}

}  // namespace

bool ReadJsonNumber(const wchar_t*& cursor, const wchar_t* end, VALUE& value)
{
    NumberSpan span;
    if (!ScanNumber(cursor, end, span))
        return false;
    int32_t integer = 0;
    if (span.integral && IntegerValue(span, integer)) {
        SetScalar(value, VALUE_INT, 0, static_cast<uint32_t>(integer));
    } else {
        double number = FloatValue(span);
        uint64_t bits = 0;
        std::memcpy(&bits, &number, sizeof bits);
        SetScalar(value, VALUE_FLOAT, 0, bits);
    }
    cursor = span.end;
    return true;
}

}  // namespace htmlengine
