#pragma once
// Links a list entry to its parent among the entries already read.
#include <boost/shared_ptr.hpp>
#include "connectors/quickbooks/qbfc/Session.h"
#include "connectors/quickbooks/requests/FieldValues.h"

namespace Quorvane {
namespace Connectors {

// The entry whose ListID the reference names; empty when there is no reference or the parent
// was not read (yet).
template <typename CollectionType>
typename CollectionType::Pointer FindParent(Qbfc::IQBBaseRef parentRef, const CollectionType& readSoFar)
{
    if (parentRef.IsNull())
        return typename CollectionType::Pointer();
    try {
        return readSoFar.FindById(parentRef.ListID().GetValue());
    } catch (...) {
        return typename CollectionType::Pointer();
    }
}

}  // namespace Connectors
}  // namespace Quorvane
