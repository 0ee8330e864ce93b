#pragma once
// A buffer of plain units that grows by half its capacity (or to what is needed) on append.
#include <cstring>
#include <cstddef>

namespace Quorvane {

template <typename Unit>
class GrowableBuffer {
public:
    GrowableBuffer() : m_data(new Unit[kInitialCapacity]), m_capacity(kInitialCapacity), m_size(0) {}
    ~GrowableBuffer() { delete[] m_data; }

    void Append(Unit unit)
    {
        Reserve(m_size + 1);
        m_data[m_size++] = unit;
    }

    // Terminates the content with a zero unit that the size does not count.
    const Unit* Terminated()
    {
        Reserve(m_size + 1);
        m_data[m_size] = Unit();
        return m_data;
    }

    size_t Size() const { return m_size; }

private:
    GrowableBuffer(const GrowableBuffer&);
    GrowableBuffer& operator=(const GrowableBuffer&);

    void Reserve(size_t needed)
    {
        if (needed <= m_capacity)
            return;
        size_t grown = m_capacity * 3 / 2;
        size_t capacity = grown > needed ? grown : needed;
        Unit* data = new Unit[capacity];
        std::memcpy(data, m_data, m_size * sizeof(Unit));
        delete[] m_data;
        m_data = data;
        m_capacity = capacity;
    }

    static const size_t kInitialCapacity = 256;
    Unit* m_data;
    size_t m_capacity;
    size_t m_size;
};

}  // namespace Quorvane
