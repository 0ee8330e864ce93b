#include "core/CustomerJob.h"

#include "core/Exceptions.h"

namespace Quorvane {

void CustomerJobCollection::Add(const Pointer& customerJob)
{
    m_byFullName.insert(Map::value_type(customerJob->GetFullName(), customerJob));
    m_byId.insert(Map::value_type(customerJob->GetId(), customerJob));
}

CustomerJobCollection::Pointer CustomerJobCollection::Find(const Map& map, const std::wstring& key)
{
    Map::const_iterator found = map.find(key);
    if (found == map.end())
        throw NotFoundException();
    return found->second;
}

}  // namespace Quorvane
