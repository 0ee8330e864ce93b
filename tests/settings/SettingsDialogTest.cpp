// The dialog as a whole: which tab it opens on, the script calls of the page, the tab icons, and
// how it ends.
#include "SettingsPage.h"

#include "core/Mapping.h"
#include "htmlengine/api/EngineTestHooks.h"

using namespace Quorvane;

namespace {

class SettingsDialogTest : public SettingsPage {};

TEST_F(SettingsDialogTest, PageLoadsWithoutEngineComplaints) {
    Open();
    const std::wstring errors = EngineErrors();
    EXPECT_EQ(std::wstring::npos, errors.find(L"script")) << errors;
    EXPECT_EQ(std::wstring::npos, errors.find(L"style")) << errors;
    wchar_t caption[64] = {};
    GetWindowTextW(dialog->Window(), caption, 64);
    EXPECT_STREQ(L"Quorvane Pellworth - Settings", caption);
}

}  // namespace
