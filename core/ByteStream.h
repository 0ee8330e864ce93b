#pragma once
// Little-endian values in a byte string, without padding: the settings file's encoding.
#include <string>

namespace Quorvane {

class ByteWriter {
public:
    void WriteByte(unsigned char value) { m_bytes += static_cast<char>(value); }
    void WriteUInt16(unsigned int value);
    void WriteInt32(int value);
    const std::string& Bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

// Every read fails, consuming nothing, when too few bytes are left.
class ByteReader {
public:
    explicit ByteReader(const std::string& bytes) : m_bytes(bytes), m_position(0) {}

    bool ReadByte(unsigned char& value);
    bool ReadUInt16(unsigned int& value);
    bool ReadInt32(int& value);
    // Points at the next `size` bytes and skips them.
    bool Take(size_t size, const unsigned char*& data);

private:
    const std::string& m_bytes;
    size_t m_position;
};

}  // namespace Quorvane
