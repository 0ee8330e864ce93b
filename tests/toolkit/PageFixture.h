#pragma once
// A hidden engine window showing one test page, with the program's side as the toolkit gives
// it: resources and named behaviours through the notification handler, and a window-level
// event handler that records behaviour events and script calls.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/TextCodec.h"
#include "htmlengine/api/EngineTestHooks.h"
#include "tests/support/PageProbe.h"
#include "ui/toolkit/EventHandler.h"
#include "ui/toolkit/NotificationHandler.h"

class PageTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void Load(const std::string& html);
    // What the window's handler saw since the last call, and forgets it.
    std::vector<std::string> TakeEvents();
    // The ids of the matches, in document order, blank-separated.
    std::string Ids(const char* selector) const;

    HWND hwnd_ = nullptr;
    PageProbe page;  // the window's page, once SetUp has made the window

private:
    class Recorder;
    class Host : public htmlayout::notification_handler {};

    static LRESULT CALLBACK Notify(UINT message, WPARAM, LPARAM lParam, LPVOID param);

    Host host_;
    Recorder* recorder_ = nullptr;
};

// The element's id, or its tag in angle brackets when it has none, or "null".
std::string Describe(const htmlayout::dom::element& he);
using Quorvane::Narrow;
