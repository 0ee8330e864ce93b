#pragma once
// The real main page in a hidden main window, with the view reporting to a recording
// controller and reading a hand-built company.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include <boost/shared_ptr.hpp>

#include "HandBuiltPreviewCompany.h"
#include "core/TextCodec.h"
#include "RecordingNotification.h"
#include "UiDriver.h"
#include "tests/support/PageProbe.h"
#include "ui/main/MainView.h"

class MainPageTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    bool IsShown(const char* selector) { return page.HasState(selector, STATE_EXPANDED); }
    bool IsDisabled(const char* selector) { return page.HasState(selector, STATE_DISABLED); }
    // A key as the keyboard sends it: its messages posted to the window, then dispatched.
    void Key(UINT key);
    // The focused element's id, "<its class>" when it has none, or "none".
    std::string Focused();

    // A script call as the page makes it.
    bool Call(const char* name, std::vector<json::value> arguments = std::vector<json::value>());
    // The calls the controller received since the last look, and forgets them.
    std::vector<std::string> TakeCalls();

    // Runs the view's message loop (shown) while `drive` runs on a thread of its own, and
    // returns when the loop ends. A watchdog ends a loop that outlives the limit, and fails.
    void RunWhile(const std::function<void()>& drive, DWORD limitMilliseconds = 15000);
    void OnUiThread(const std::function<void()>& call)
    {
        EXPECT_TRUE(driver_.OnUiThread(call)) << "the UI thread did not take the call in time";
    }
    bool WaitFor(const std::function<bool()>& condition, DWORD limitMilliseconds = 5000)
    {
        return driver_.WaitFor(condition, limitMilliseconds);
    }

    HandBuiltPreviewCompany company;
    UiDriver driver_;
    DWORD uiThread_ = driver_.UiThread();
    boost::shared_ptr<RecordingNotification> controller { new RecordingNotification() };
    boost::shared_ptr<MainView> view { new MainView() };
    PageProbe page;  // the view's page, once SetUp has made its window
};

using Quorvane::Narrow;
