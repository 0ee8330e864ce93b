#pragma once
// A hidden window showing one page, with the program's side recorded: notifications, the
// window handler's events and script calls, and behaviours the "program" attaches.
#include "htmlengine/api/EngineDocument.h"
#include "htmlengine/api/EngineTestHooks.h"
#include "htmlengine/document/dom/AsciiCase.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void Load(const std::string& html);
    HELEMENT Root();
    HELEMENT Find(const char* selector, HELEMENT scope = nullptr);  // first match or null
    std::vector<HELEMENT> FindAll(const char* selector, HELEMENT scope = nullptr);
    std::wstring Attribute(HELEMENT he, const char* name);  // "(none)" when absent
    std::wstring Text(HELEMENT he);
    UINT State(HELEMENT he);
    std::wstring Dump();
    std::wstring Errors();
    // One frame through the recording painter, one call per line.
    std::vector<std::string> Record();
    // Lines of the frame that start with `prefix`.
    std::vector<std::string> Recorded(const std::string& prefix);
    std::wstring Value(HELEMENT he);  // the control value, written as JSON
    std::wstring Shown(HELEMENT he);  // the text an edit shows
    void SetValue(HELEMENT he, const VALUE& value);
    void Click(const char* selector);

    // A behaviour the program offers for a name: its procedure and subscription.
    struct Behavior {
        std::function<bool(HELEMENT, UINT group, void* params)> handle;
        UINT subscription = GROUP_ALL;
    };

    HWND hwnd_ = nullptr;
    std::map<std::wstring, std::string> resources_;  // answered through HTMLayoutDataReady
    std::map<std::string, Behavior> behaviors_;
    std::vector<std::string> notifications_;  // "B01 url", "B07 name", "B04"
    std::vector<std::string> events_;  // window handler: behaviour events and script calls
    std::function<bool(HELEMENT, UINT group, void* params)> windowHandler_;

private:
    static LRESULT CALLBACK Notify(UINT message, WPARAM, LPARAM lParam, LPVOID param);
    static BOOL CALLBACK WindowProc(LPVOID tag, HELEMENT he, UINT group, LPVOID params);
    static BOOL CALLBACK BehaviorProc(LPVOID tag, HELEMENT he, UINT group, LPVOID params);
    LRESULT OnNotification(NMHDR* header);
    void RecordWindowEvent(HELEMENT he, UINT group, void* params);
};

using htmlengine::Narrow;
std::string ValueJson(const VALUE& value);
// The FILETIME of a day's midnight, as date values hold it.
int64_t FileTimeOf(WORD year, WORD month, WORD day);
// The clipboard's text ("(closed)" when it cannot be opened), and text put on it.
std::wstring ClipboardText();
bool PutOnClipboard(const std::wstring& text);
