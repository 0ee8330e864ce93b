#pragma once
// The values of QBFC's enumerations that the requests send or read.

namespace Quorvane {
namespace Connectors {

// ENActiveStatus
enum { asAll = 2 };

// ENBillableStatus
enum { bsBillable = 0, bsNotBillable = 1, bsHasBeenBilled = 2 };

// ENUseTimeDataToCreatePaychecks
enum { utdNotSet = 0, utdUseTimeData = 1, utdDoNotUseTimeData = 2 };

// ENTxnDelType
enum { tdtTimeTracking = 21 };

// ENORItemRet
enum {
    orirItemServiceRet = 0,
    orirItemNonInventoryRet = 1,
    orirItemOtherChargeRet = 2,
    orirItemInventoryRet = 3,
    orirItemInventoryAssemblyRet = 4,
    orirItemFixedAssetRet = 5,
    orirItemSubtotalRet = 6,
    orirItemDiscountRet = 7,
    orirItemPaymentRet = 8,
    orirItemSalesTaxRet = 9,
    orirItemSalesTaxGroupRet = 10,
    orirItemGroupRet = 11
};

// ENAccountType, the types a service item may post to.
enum {
    atEquity = 5,
    atExpense = 6,
    atFixedAsset = 7,
    atIncome = 8,
    atOtherAsset = 11,
    atOtherCurrentAsset = 12,
    atOtherExpense = 14,
    atOtherIncome = 15
};

}  // namespace Connectors
}  // namespace Quorvane
