// The status's members keep their names whichever of its header and windows.h comes first.
#include "app/missing/MissingItem.h"

#include <windows.h>

#include <gtest/gtest.h>

TEST(MissingItemStatus, ReadsItsMessageWithWindowsHeadersIncludedAfterIt)
{
    const Quorvane::MissingItemStatus status(boost::shared_ptr<Quorvane::MissingItem>(), 0, L"Too long");
    EXPECT_EQ(L"Too long", status.GetStatusMessage());
}
