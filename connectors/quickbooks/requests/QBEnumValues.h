#pragma once
// The values of QBFC's enumerations that the requests send or read. Numbers serve where every
// QBFC version numbers alike; the others go by name (SetAsString, GetAsString).

namespace Quorvane {
namespace Connectors {

// ENActiveStatus
enum { asAll = 2 };

// ENBillableStatus
enum { bsBillable = 0, bsNotBillable = 1, bsHasBeenBilled = 2 };

// ENUseTimeDataToCreatePaychecks
enum { utdNotSet = 0, utdUseTimeData = 1, utdDoNotUseTimeData = 2 };

// ENTxnDelType: TimeTracking is 21 in later versions, 17 in early ones.
const wchar_t kTimeTrackingTxnDelType[] = L"TimeTracking";

// ENWageType: 2 and 3 are Bonus and Commission in later versions, HourlyRegular and HourlySick
// in early ones.
const wchar_t kBonusWageType[] = L"Bonus";
const wchar_t kCommissionWageType[] = L"Commission";

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

// ENAccountType in the later versions' numbering, the types a service item may post to; early
// versions number from atOtherAsset on differently.
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
