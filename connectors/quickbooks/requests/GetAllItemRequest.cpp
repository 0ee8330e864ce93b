#include "connectors/quickbooks/requests/GetAllItemRequest.h"

#include "connectors/quickbooks/requests/ParentLookup.h"

namespace Quorvane {
namespace Connectors {

namespace {

enum { NoItemRecord = -1 };

template <typename ItemRet>
void ReadItem(ItemRet ret, ItemType& item)
{
    item.SetId(ret.ListID().GetValue());
    item.SetName(ret.Name().GetValue());
}

// Only some kinds of item can hang under a parent item; the others are read without one.
template <typename ItemRet>
void ReadItemWithParent(ItemRet ret, const ItemTypeCollection& readSoFar, ItemType& item)
{
    ReadItem(ret, item);
    item.SetParent(FindParent(ret.ParentRef(), readSoFar));
}

void ReadItemOfKind(Qbfc::IORItemRet ret, const ItemTypeCollection& readSoFar, ItemType& item)
{
    switch (item.GetKind()) {
    case orirItemServiceRet: return ReadItemWithParent(ret.ItemServiceRet(), readSoFar, item);
    case orirItemNonInventoryRet: return ReadItemWithParent(ret.ItemNonInventoryRet(), readSoFar, item);
    case orirItemOtherChargeRet: return ReadItemWithParent(ret.ItemOtherChargeRet(), readSoFar, item);
    case orirItemInventoryRet: return ReadItemWithParent(ret.ItemInventoryRet(), readSoFar, item);
    case orirItemInventoryAssemblyRet: return ReadItemWithParent(ret.ItemInventoryAssemblyRet(), readSoFar, item);
    case orirItemFixedAssetRet: return ReadItem(ret.ItemFixedAssetRet(), item);
    case orirItemSubtotalRet: return ReadItem(ret.ItemSubtotalRet(), item);
    case orirItemDiscountRet: return ReadItemWithParent(ret.ItemDiscountRet(), readSoFar, item);
    case orirItemPaymentRet: return ReadItem(ret.ItemPaymentRet(), item);
    case orirItemSalesTaxRet: return ReadItem(ret.ItemSalesTaxRet(), item);
    case orirItemSalesTaxGroupRet: return ReadItem(ret.ItemSalesTaxGroupRet(), item);
    case orirItemGroupRet: return ReadItem(ret.ItemGroupRet(), item);
    default: return;  // a kind this program does not know: kept with its kind only
    }
}

}  // namespace

void GetAllItemRequest::BuildRequest(Qbfc::IMsgSetRequest request)
{
    request.AppendItemQueryRq().ORListQuery().ListFilter().ActiveStatus().SetValue(asAll);
}

void GetAllItemRequest::ReadRecord(Qbfc::IORItemRet ret, ItemTypeCollection& result)
{
    int kind = ret.ortype();
    if (kind == NoItemRecord)
        return;
    boost::shared_ptr<ItemType> item(new ItemType());
    item->SetKind(kind);
    ReadItemOfKind(ret, result, *item);
    result.Add(item);
}

}  // namespace Connectors
}  // namespace Quorvane
