#include "core/ItemType.h"

namespace Quorvane {

std::wstring ItemType::GetTypeName() const
{
    static const wchar_t* const kNames[] = {
        L"service",  L"Non-inventory Part", L"Other Charge", L"Inventory",      L"Inventory Assembly", L"Fixed Asset",
        L"Subtotal", L"Discount",           L"Payment",      L"Sales Tax Item", L"Sales Tax Group",    L"Group",
    };
    const int count = sizeof(kNames) / sizeof(kNames[0]);
    return m_kind >= 0 && m_kind < count ? kNames[m_kind] : L"";
}

}  // namespace Quorvane
