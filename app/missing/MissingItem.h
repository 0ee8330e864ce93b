#pragma once
// An employee, customer, job or service item that QuickBooks lacks for the preview, and what
// validation says about creating it.
#include <string>
#include <vector>
#include <boost/shared_ptr.hpp>

namespace Quorvane {

class MissingItem {
public:
    // The values are the bits of the settings' auto-creation flag word.
    enum Kind { EmployeeKind = 1, CustomerKind = 2, JobKind = 4, ServiceItemKind = 8 };

    MissingItem(int kind, const std::wstring& name, const std::wstring& description)
        : m_kind(kind), m_name(name), m_description(description)
    {
    }

    int GetKind() const { return m_kind; }
    // A server user id for an employee; otherwise the full name down to this level.
    std::wstring GetName() const { return m_name; }
    // Where the deepest level comes from on the server, as plain text; empty for the other
    // levels.
    std::wstring GetDescription() const { return m_description; }
    // The server users whose entries need the item.
    const std::vector<std::wstring>& GetUsers() const { return m_users; }
    void AddUser(const std::wstring& userId) { m_users.push_back(userId); }

    bool Equals(const MissingItem& other) const { return m_kind == other.m_kind && m_name == other.m_name; }

private:
    int m_kind;
    std::wstring m_name;
    std::wstring m_description;
    std::vector<std::wstring> m_users;
};

class MissingItemCollection {
public:
    typedef boost::shared_ptr<MissingItem> Pointer;
    typedef std::vector<Pointer>::const_iterator const_iterator;

    // Appends unless an equal item is held already.
    void Add(int kind, const std::wstring& name, const std::wstring& description);
    // The held item equal to the given one; the given one is appended when there is none.
    Pointer FindOrAdd(const Pointer& item);
    // True when an item of any kind has exactly this name.
    bool ContainsName(const std::wstring& name) const;

    size_t Count() const { return m_items.size(); }
    bool IsEmpty() const { return m_items.empty(); }
    const_iterator begin() const { return m_items.begin(); }
    const_iterator end() const { return m_items.end(); }

private:
    Pointer Find(const MissingItem& item) const;

    std::vector<Pointer> m_items;
};

class MissingItemStatus {
public:
    // 0: cannot be created (the message, plain text, says why); 1: could be, but auto-creation
    // of its kind is off; 2: may be created.
    enum { CannotCreate = 0, CreationOff = 1, MayCreate = 2 };

    MissingItemStatus(const boost::shared_ptr<MissingItem>& item, int status, const std::wstring& message)
        : m_item(item), m_status(status), m_message(message)
    {
    }

    boost::shared_ptr<MissingItem> GetItem() const { return m_item; }
    int GetStatus() const { return m_status; }
    std::wstring GetStatusMessage() const { return m_message; }

private:
    boost::shared_ptr<MissingItem> m_item;
    int m_status;
    std::wstring m_message;
};

typedef std::vector<boost::shared_ptr<MissingItemStatus>> MissingItemStatusList;

}  // namespace Quorvane
