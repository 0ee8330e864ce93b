#pragma once
// Holds one counted reference to a COM object; copies add a reference, so it is safe in
// containers.
#include <windows.h>

namespace QbSim {

template <typename T>
class ComRef {
public:
    ComRef() : m_object(0) {}
    // Takes over a reference the caller already holds (a new object starts with one).
    static ComRef Adopt(T* object)
    {
        ComRef ref;
        ref.m_object = object;
        return ref;
    }
    ComRef(const ComRef& other) : m_object(other.m_object)
    {
        if (m_object)
            m_object->AddRef();
    }
    ~ComRef()
    {
        if (m_object)
            m_object->Release();
    }
    ComRef& operator=(ComRef other)
    {
        T* held = m_object;
        m_object = other.m_object;
        other.m_object = held;
        return *this;
    }

    T* Get() const { return m_object; }
    T* operator->() const { return m_object; }
    explicit operator bool() const { return m_object != 0; }
    // A new reference for a caller (an out parameter or a VARIANT).
    T* Detach()
    {
        T* object = m_object;
        m_object = 0;
        return object;
    }
    T* AddRefGet() const
    {
        if (m_object)
            m_object->AddRef();
        return m_object;
    }

private:
    T* m_object;
};

}  // namespace QbSim
