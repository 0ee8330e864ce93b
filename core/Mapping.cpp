#include "core/Mapping.h"

namespace Quorvane {

namespace {

struct HasSource {
    explicit HasSource(const std::wstring& key) : key(key) {}
    bool operator()(const Mapping& mapping) const { return mapping.GetSource() == key; }
    const std::wstring& key;
};

struct HasTarget {
    explicit HasTarget(const std::wstring& key) : key(key) {}
    bool operator()(const Mapping& mapping) const { return mapping.GetTarget() == key; }
    const std::wstring& key;
};

}  // namespace

void Mapping::SetState(int state)
{
    m_state = state;
    if (state != Mapped)
        m_target.clear();
}

void Mapping::SetTarget(const std::wstring& target, int state)
{
    m_target = target;
    SetState(state);
}

bool MappingCollection::Contains(const std::wstring& source) const
{
    return FindIf(HasSource(source)) != end();
}

MappingCollection::Pointer MappingCollection::GetBySource(const std::wstring& source) const
{
    return FindFirst(HasSource(source));
}

MappingCollection::Pointer MappingCollection::GetByTarget(const std::wstring& target) const
{
    return FindFirst(HasTarget(target));
}

boost::shared_ptr<MappingCollection> MappingCollection::Clone() const
{
    boost::shared_ptr<MappingCollection> copy(new MappingCollection);
    for (const_iterator it = begin(); it != end(); ++it)
        copy->Add(Pointer(new Mapping(**it)));
    return copy;
}

}  // namespace Quorvane
