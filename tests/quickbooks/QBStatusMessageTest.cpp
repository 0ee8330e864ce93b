#include "connectors/quickbooks/QBStatusMessage.h"

#include <gtest/gtest.h>

using Quorvane::Connectors::QBStatusMessage;

// QuickBooks's own texts, word for word: the user may look them up.
TEST(QBStatusMessage, GivesQuickBooksOwnTexts)
{
    struct Case {
        int code;
        const wchar_t* text;
    } cases[] = {
        { 1, L"No match" },
        { 500, L"One or more objects cannot be found" },
        { 501, L"Object not in this qbXML specification" },
        { 530, L"Unsupported field" },
        { 1000, L"Internal error" },
        { 3070, L"String too long" },
        { 3100, L"Name is not unique" },
        { 3120, L"Object not found" },
        { 3140, L"Reference not found" },
        { 3170, L"Object cannot be modified" },
        { 3200, L"Outdated edit sequence" },
        { 3250, L"Feature not enabled" },
        { 3261, L"Application has no sensitive data permission" },
        { 9103, L"Macro substitution failure" },
        { static_cast<int>(0x8004040D), L"Cannot connect to QuickBooks" },
        { static_cast<int>(0x8004041C),
          L"An internal QuickBooks error occurred while trying to access the QuickBooks company data file." },
    };
    for (const Case& test : cases)
        EXPECT_EQ(test.text, QBStatusMessage(test.code)) << test.code;
}

TEST(QBStatusMessage, IsEmptyForUnknownCodes)
{
    EXPECT_EQ(L"", QBStatusMessage(0));
    EXPECT_EQ(L"", QBStatusMessage(2));
    EXPECT_EQ(L"", QBStatusMessage(3001));
    EXPECT_EQ(L"", QBStatusMessage(-1));
}

TEST(QBStatusMessage, CoversEveryListedCode)
{
    const int codes[] = { 1,    500,  501,  510,  530,  531,  550,  560,  570,  600,  1000, 1010, 1030, 1060, 3000,
                          3010, 3020, 3030, 3031, 3035, 3040, 3045, 3050, 3060, 3065, 3070, 3080, 3085, 3090, 3100,
                          3101, 3110, 3120, 3121, 3130, 3140, 3150, 3151, 3153, 3160, 3161, 3162, 3170, 3171, 3172,
                          3173, 3175, 3176, 3177, 3180, 3185, 3190, 3200, 3205, 3210, 3220, 3230, 3231, 3240, 3250,
                          3260, 3261, 3262, 3263, 3270, 3280, 3290, 3300, 3301, 3310, 3320, 3330, 3340, 3350, 3351,
                          3352, 3360, 9001, 9002, 9003, 9004, 9005, 9100, 9101, 9102, 9103 };
    EXPECT_EQ(86u, sizeof(codes) / sizeof(codes[0]));
    for (int code : codes)
        EXPECT_NE(L"", QBStatusMessage(code)) << code;
}
