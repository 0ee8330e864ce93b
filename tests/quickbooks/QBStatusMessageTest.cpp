#include "connectors/quickbooks/QBStatusMessage.h"

#include <gtest/gtest.h>

using Quorvane::Connectors::QBStatusMessage;

TEST(QBStatusMessage, KnowsQuickBooksStatusesAndTheTwoComErrors) {
    EXPECT_EQ(L"No match", QBStatusMessage(1));
    EXPECT_EQ(L"Feature not enabled", QBStatusMessage(3250));
    EXPECT_EQ(L"Outdated edit sequence", QBStatusMessage(3200));
    EXPECT_EQ(L"Macro substitution failure", QBStatusMessage(9103));
    EXPECT_EQ(L"Cannot connect to QuickBooks", QBStatusMessage(static_cast<int>(0x8004040D)));
    EXPECT_EQ(L"An internal QuickBooks error occurred while trying to access the QuickBooks company data file.",
              QBStatusMessage(static_cast<int>(0x8004041C)));
}

TEST(QBStatusMessage, IsEmptyForUnknownCodes) {
    EXPECT_EQ(L"", QBStatusMessage(0));
    EXPECT_EQ(L"", QBStatusMessage(2));
    EXPECT_EQ(L"", QBStatusMessage(3001));
    EXPECT_EQ(L"", QBStatusMessage(-1));
}

TEST(QBStatusMessage, CoversEveryListedCode) {
    const int codes[] = {1, 500, 501, 510, 530, 531, 550, 560, 570, 600, 1000, 1010, 1030, 1060, 3000,
                         3010, 3020, 3030, 3031, 3035, 3040, 3045, 3050, 3060, 3065, 3070, 3080, 3085, 3090,
                         3100, 3101, 3110, 3120, 3121, 3130, 3140, 3150, 3151, 3153, 3160, 3161, 3162, 3170,
                         3171, 3172, 3173, 3175, 3176, 3177, 3180, 3185, 3190, 3200, 3205, 3210, 3220, 3230,
                         3231, 3240, 3250, 3260, 3261, 3262, 3263, 3270, 3280, 3290, 3300, 3301, 3310, 3320,
                         3330, 3340, 3350, 3351, 3352, 3360, 9001, 9002, 9003, 9004, 9005, 9100, 9101, 9102,
                         9103};
    EXPECT_EQ(86u, sizeof(codes) / sizeof(codes[0]));
    for (int code : codes)
        EXPECT_NE(L"", QBStatusMessage(code)) << code;
}
