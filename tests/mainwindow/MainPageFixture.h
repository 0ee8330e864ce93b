#pragma once
// The real main page in a hidden main window, with the view reporting to a recording
// controller and reading a hand-built company.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <boost/shared_ptr.hpp>

#include "RecordingNotification.h"
#include "TestCompany.h"
#include "ui/main/MainView.h"

class MainPageTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    HELEMENT Find(const char* selector);
    std::vector<HELEMENT> FindAll(const char* selector);
    std::wstring Text(const char* selector);
    std::wstring Html(const char* selector);
    std::wstring Attribute(const char* selector, const char* name);  // "(none)" when absent
    std::wstring Style(const char* selector, const char* name);  // the computed value
    bool HasState(const char* selector, UINT state);
    bool IsShown(const char* selector) { return HasState(selector, STATE_EXPANDED); }
    bool IsDisabled(const char* selector) { return HasState(selector, STATE_DISABLED); }
    std::wstring Errors();
    // A user's click on the element, through the engine's test hook.
    void Click(const char* selector);
    // A script call as the page makes it.
    bool Call(const char* name, std::vector<json::value> arguments = std::vector<json::value>());
    // The calls the controller received since the last look, and forgets them.
    std::vector<std::string> TakeCalls();

    TestCompany company;
    boost::shared_ptr<RecordingNotification> controller{new RecordingNotification()};
    boost::shared_ptr<MainView> view{new MainView()};
};

std::string Narrow(const std::wstring& text);
