#include "app/missing/MissingItemsController.h"

#include <algorithm>
#include <sstream>

#include "app/MainModel.h"
#include "app/missing/NameLevels.h"
#include "core/Config.h"
#include "core/DisplayNames.h"
#include "core/Exceptions.h"
#include "core/TextCharset.h"

namespace Quorvane {

namespace {

typedef boost::shared_ptr<MissingItemStatus> StatusPointer;

const size_t kMaxLevels = 5;

StatusPointer Refuse(const boost::shared_ptr<MissingItem>& item, const std::wstring& message)
{
    return StatusPointer(new MissingItemStatus(item, MissingItemStatus::CannotCreate, message));
}

std::wstring CharsetMessage(int charsetClass, const std::wstring& what)
{
    if (charsetClass == 1)
        return L"Name contains national characters that can be imported to QuickBooks only after changing Windows "
               L"settings. Please see Troubleshooting section of User Guide for instructions.";
    return L"Name contains national characters that cannot be imported to QuickBooks. Please re-name Quorvane " + what +
           L" and reload data (see also Troubleshooting section of User Guide).";
}

// Empty when the name has at most five levels.
std::wstring LevelCountMessage(const std::wstring& what, const std::wstring& name)
{
    const size_t levels = std::count(name.begin(), name.end(), L':') + 1;
    if (levels <= kMaxLevels)
        return std::wstring();
    std::wostringstream message;
    message << L"This " << what << L" name has " << levels << L" levels but only 5 are allowed. "
            << L"Please replace the ':' character in name '" << name << L"' with other one.";
    return message.str();
}

// Empty when the level fits QuickBooks.
std::wstring LevelMessage(const std::wstring& level, size_t maxLength, const std::wstring& what,
                          const std::wstring& renamed)
{
    if (level.size() > maxLength) {
        std::wostringstream message;
        message << L"Name length exceeds " << maxLength << L" character limit. Please reduce the Quorvane " << what
                << L" name in Quorvane and reload data";
        return message.str();
    }
    const int charsetClass = GetTextCharsetClass(level);
    return charsetClass == 0 ? std::wstring() : CharsetMessage(charsetClass, renamed);
}

void AppendSentence(std::wstring& text, bool exceeded, const wchar_t* sentence)
{
    if (!exceeded)
        return;
    if (!text.empty())
        text += L" ";
    text += sentence;
}

// Empty when the names fit. The last name is measured as the creation will send it.
std::wstring EmployeeLengthMessage(const Employee& user, const std::wstring& createdLastName,
                                   const std::wstring& displayName)
{
    std::wstring text;
    AppendSentence(text, user.GetFirstName().size() > 25, L"First name length exceeds 25 character limit.");
    AppendSentence(text, createdLastName.size() > 25, L"Last name length exceeds 25 character limit.");
    AppendSentence(text, user.GetMiddleName().size() > 5, L"Middle name length exceeds 5 character limit.");
    AppendSentence(text, displayName.size() > 38, L"Total name length exceeds 38 character limit.");
    return text.empty() ? text : text + L" Please reduce the Quorvane user name in Quorvane and reload data";
}

bool IsRefusedParent(const MissingItemStatusList& earlier, const std::wstring& parentName)
{
    for (MissingItemStatusList::const_iterator it = earlier.begin(); it != earlier.end(); ++it)
        if ((*it)->GetItem()->GetName() == parentName && (*it)->GetStatus() == MissingItemStatus::CannotCreate)
            return true;
    return false;
}

}  // namespace

boost::shared_ptr<MissingItemStatusList>
MissingItemsController::ValidateMissingItems(const MissingItemCollection& items)
{
    boost::shared_ptr<MissingItemStatusList> statuses(new MissingItemStatusList);
    for (MissingItemCollection::const_iterator it = items.begin(); it != items.end(); ++it) {
        switch ((*it)->GetKind()) {
        case MissingItem::EmployeeKind: statuses->push_back(ValidateEmployee(*it)); break;
        case MissingItem::ServiceItemKind: statuses->push_back(ValidateServiceItem(*it)); break;
        default: statuses->push_back(ValidateCustomerJob(*it, *statuses)); break;
        }
    }
    return statuses;
}

int MissingItemsController::CreationStatus(int kind) const
{
    return m_config->HasAutoCreationFlag(kind) ? MissingItemStatus::MayCreate : MissingItemStatus::CreationOff;
}

StatusPointer MissingItemsController::ValidateEmployee(const boost::shared_ptr<MissingItem>& item)
{
    const boost::shared_ptr<Employee> user = m_employees.ServerUser(item->GetName());
    if (!user)
        throw NotFoundException();
    const std::wstring displayName = FormatEmployeeName(m_config.get(), *user, false);
    if (displayName.find(L':') != std::wstring::npos)
        return Refuse(item, L"QuickBooks employee name cannot contain colon (:). Please remove colon from the name "
                            L"of corresponding Quorvane user");
    const std::wstring lengthMessage =
        EmployeeLengthMessage(*user, EmployeeAsCreated(*m_config, *user)->GetLastName(), displayName);
    if (!lengthMessage.empty())
        return Refuse(item, lengthMessage);
    const int charsetClass = GetTextCharsetClass(displayName);
    if (charsetClass != 0)
        return Refuse(item, CharsetMessage(charsetClass, L"user"));
    return StatusPointer(new MissingItemStatus(item, CreationStatus(item->GetKind()), std::wstring()));
}

StatusPointer MissingItemsController::ValidateServiceItem(const boost::shared_ptr<MissingItem>& item)
{
    const std::wstring name = item->GetName();
    const std::wstring levelCount = LevelCountMessage(L"service item", name);
    if (!levelCount.empty())
        return Refuse(item, levelCount);
    const std::vector<std::wstring> prefixes = FullNamePrefixes(name);
    for (size_t i = 0; i < prefixes.size(); ++i) {
        const std::wstring message = LevelMessage(LastLevel(prefixes[i]), 31, L"service", L"billing type");
        if (!message.empty())
            return Refuse(item, message);
    }
    const boost::shared_ptr<ItemType> other = m_names.FindItem(name);
    if (other && other->GetKind() != 0)
        return Refuse(item, L"Cannot create service item " + name +
                                L" as item with this name already exists and has type '" + other->GetTypeName() + L"'");
    return StatusPointer(new MissingItemStatus(item, CreationStatus(item->GetKind()), std::wstring()));
}

StatusPointer MissingItemsController::ValidateCustomerJob(const boost::shared_ptr<MissingItem>& item,
                                                          const MissingItemStatusList& earlier)
{
    const std::wstring name = item->GetName();
    const std::wstring levelCount = LevelCountMessage(L"customer/job", name);
    if (!levelCount.empty())
        return Refuse(item, levelCount);
    const std::wstring message = LevelMessage(LastLevel(name), 41, L"customer/job", L"customer/job");
    if (!message.empty())
        return Refuse(item, message);
    if (item->GetKind() == MissingItem::JobKind && IsRefusedParent(earlier, ParentName(name)))
        return Refuse(item, std::wstring());
    return StatusPointer(new MissingItemStatus(item, CreationStatus(item->GetKind()), std::wstring()));
}

}  // namespace Quorvane
