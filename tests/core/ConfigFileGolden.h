#pragma once
// Settings files written byte by byte on the test's side, independent of the code under test.
#include <string>

namespace TestSupport {

class GoldenFile {
public:
    GoldenFile& Mark(unsigned int mark = 0xAC11) { return Byte(mark & 0xFF).Byte(mark >> 8); }
    GoldenFile& Byte(unsigned int value)
    {
        bytes += static_cast<char>(value);
        return *this;
    }
    GoldenFile& Flag(bool on) { return Byte(on ? 1 : 0); }
    GoldenFile& Int(int value)
    {
        for (int shift = 0; shift < 32; shift += 8)
            Byte((static_cast<unsigned int>(value) >> shift) & 0xFF);
        return *this;
    }
    GoldenFile& Text(const std::wstring& text)
    {
        Int(static_cast<int>(text.size() * 2));
        for (size_t i = 0; i < text.size(); ++i)
            Byte(text[i] & 0xFF).Byte(text[i] >> 8);
        return *this;
    }
    GoldenFile& Range(int startYear, int startMonth, int startDay, int endYear, int endMonth, int endDay, int type)
    {
        return Int(startYear).Int(startMonth).Int(startDay).Int(endYear).Int(endMonth).Int(endDay).Int(type);
    }
    GoldenFile& Rule(const std::wstring& source, const std::wstring& target, int state, bool flag)
    {
        return Text(source).Text(target).Int(state).Flag(flag);
    }

    // Items 1 to 17 of a file with default settings.
    GoldenFile& DefaultHead()
    {
        return Mark()
            .Text(L"")
            .Text(L"")
            .Text(L"")
            .Flag(false)
            .Text(L"")
            .Flag(false)
            .Int(4)
            .Int(0)
            .Text(L"")
            .Flag(true)
            .Int(1)
            .Flag(false)
            .Flag(false)
            .Flag(false)
            .Flag(false)
            .Flag(false);
    }
    // Items 18 to 23 of a file with default settings saved on 2012-03-14.
    GoldenFile& DefaultTail()
    {
        return Int(0).Int(0).Int(0).Range(2012, 2, 1, 2012, 2, 29, 3).Range(2012, 2, 1, 2012, 2, 29, 3).Int(0);
    }

    std::string bytes;
};

}  // namespace TestSupport
