#include "core/ByteStream.h"

namespace Quorvane {

void ByteWriter::WriteUInt16(unsigned int value)
{
    WriteByte(value & 0xFF);
    WriteByte((value >> 8) & 0xFF);
}

void ByteWriter::WriteInt32(int value)
{
    unsigned int bits = static_cast<unsigned int>(value);
    for (int shift = 0; shift < 32; shift += 8)
        WriteByte((bits >> shift) & 0xFF);
}

bool ByteReader::Take(size_t size, const unsigned char*& data)
{
    if (m_bytes.size() - m_position < size)
        return false;
    data = reinterpret_cast<const unsigned char*>(m_bytes.data()) + m_position;
    m_position += size;
    return true;
}

bool ByteReader::ReadByte(unsigned char& value)
{
    const unsigned char* data = 0;
    if (!Take(1, data))
        return false;
    value = data[0];
    return true;
}

bool ByteReader::ReadUInt16(unsigned int& value)
{
    const unsigned char* data = 0;
    if (!Take(2, data))
        return false;
    value = data[0] | (data[1] << 8);
    return true;
}

bool ByteReader::ReadInt32(int& value)
{
    const unsigned char* data = 0;
    if (!Take(4, data))
        return false;
    unsigned int bits = data[0] | (data[1] << 8) | (data[2] << 16) | (static_cast<unsigned int>(data[3]) << 24);
    value = static_cast<int>(bits);
    return true;
}

}  // namespace Quorvane
