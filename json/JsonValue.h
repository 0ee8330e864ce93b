#pragma once
// json::value: one engine VALUE, owned. Control values, script-call arguments and the server's
// JSON replies all pass through it. Nothing here throws: failures end in the undefined value or
// in the default the caller gives, and typed getters never convert between types.
#include <cstddef>
#include <cstdint>

#include "htmlengine/api/EngineValue.h"
#include "json/CountedString.h"

namespace json {

class value {
public:
    class key_proxy;
    class index_proxy;

    value();
    value(const value& other);
    value& operator=(const value& other);
    ~value();

    explicit value(bool flag);  // boolean (type 2)
    explicit value(int number);  // integer (type 3)
    explicit value(const wchar_t* text);  // string (type 5), units 0; null gives the empty text

    // Narrow text in the thread's ANSI code page, as a key string (units 0xFFFF).
    static value make_string(const char* text);
    // Parses the text; length 0 means up to the NUL. A null or unparsable text gives undefined.
    static value from_string(const wchar_t* text, size_t length, int mode);
    // A date (type 6) from a FILETIME.
    static value make_date(int64_t filetime);
    // A value the engine lends (see ValueEnumElements), read in place with no reference taken:
    // valid only while lent, and only to be read, never copied into.
    static const value& lent(const VALUE& borrowed);

    int get_int(int default_value) const;
    bool get(bool default_value) const;
    int64_t get_int64() const;
    string get_string(const wchar_t* default_value) const;
    HELEMENT get_dom_element() const;

    value get_element(int n) const;
    value key(int n) const;
    value get_item(const value& key) const;
    int length() const;
    // The value as text; the value itself stays as it is.
    string to_string(int mode) const;

    key_proxy operator[](const value& key) const;
    index_proxy operator[](int index) const;

    // For the engine calls that fill or read a control's value.
    VALUE& native() { return m_value; }
    const VALUE& native() const { return m_value; }

private:
    uint32_t type() const;

    VALUE m_value;
};

// A proxy keeps a plain pointer to its owner and must not outlive it.
class value::key_proxy {
public:
    key_proxy(const value* owner, const value& key) : m_owner(owner), m_key(key) {}
    value get() const { return m_owner->get_item(m_key); }

private:
    const value* m_owner;
    value m_key;
};

class value::index_proxy {
public:
    index_proxy(const value* owner, int index) : m_owner(owner), m_index(index) {}
    value get() const { return m_owner->get_element(m_index); }

private:
    const value* m_owner;
    int m_index;
};

}  // namespace json
