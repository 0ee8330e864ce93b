#pragma once
// The small JSON model of the simulator: the company file, the records it holds, the requests
// it receives and the control commands of tests. Objects keep their members in insertion
// order, so a saved company file reads like the one that was loaded.
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace QbSim {

class Json {
public:
    enum Kind { Null, Bool, Number, String, Array, Object };
    typedef std::vector<std::pair<std::wstring, Json>> Members;

    Json() : m_kind(Null), m_bool(false), m_number(0) {}
    Json(bool value) : m_kind(Bool), m_bool(value), m_number(0) {}
    Json(int value) : m_kind(Number), m_bool(false), m_number(value) {}
    Json(long long value) : m_kind(Number), m_bool(false), m_number(static_cast<double>(value)) {}
    Json(double value) : m_kind(Number), m_bool(false), m_number(value) {}
    Json(const wchar_t* value) : m_kind(String), m_bool(false), m_number(0), m_string(value) {}
    Json(const std::wstring& value) : m_kind(String), m_bool(false), m_number(0), m_string(value) {}
    static Json MakeArray()
    {
        Json json;
        json.m_kind = Array;
        return json;
    }
    static Json MakeObject()
    {
        Json json;
        json.m_kind = Object;
        return json;
    }

    Kind GetKind() const { return m_kind; }
    bool IsNull() const { return m_kind == Null; }
    bool IsObject() const { return m_kind == Object; }
    bool IsArray() const { return m_kind == Array; }

    // Typed reads; a value of another kind gives the fallback.
    bool AsBool(bool fallback = false) const { return m_kind == Bool ? m_bool : fallback; }
    long long AsInt(long long fallback = 0) const;
    std::wstring AsString(const std::wstring& fallback = std::wstring()) const;

    // Arrays.
    size_t Size() const { return m_kind == Array ? m_items.size() : m_members.size(); }
    const Json& At(size_t index) const { return m_items.at(index); }
    Json& At(size_t index) { return m_items.at(index); }
    void Push(const Json& item);
    std::vector<Json>& Items() { return m_items; }
    const std::vector<Json>& Items() const { return m_items; }

    // Objects: Get gives a null value for a missing member; Set adds or replaces.
    const Json& Get(const std::wstring& name) const;
    Json* Find(const std::wstring& name);
    bool Has(const std::wstring& name) const;
    void Set(const std::wstring& name, const Json& value);
    void Remove(const std::wstring& name);
    const Members& GetMembers() const { return m_members; }

    // Dotted paths ("EntityRef.ListID"); a missing step gives a null value.
    const Json& GetPath(const std::wstring& path) const;

    static Json Parse(const std::wstring& text);  // throws std::runtime_error
    std::wstring Write() const;  // compact, one record per line in arrays

private:
    Kind m_kind;
    bool m_bool;
    double m_number;
    std::wstring m_string;
    std::vector<Json> m_items;
    Members m_members;
};

}  // namespace QbSim
