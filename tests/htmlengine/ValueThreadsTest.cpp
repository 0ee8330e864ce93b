// The load thread parses replies while the UI thread reads control values: values on different
// threads, some sharing parts through copies, must not disturb each other.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "tests/htmlengine/ServerReplies.h"
#include "tests/htmlengine/ValueTestSupport.h"

namespace {

struct Workload {
    std::vector<std::wstring> replies;  // each reply as written after reading
    TestValue all;  // every reply in one array, shared by all threads
    std::atomic<int> wrong { 0 };
};

// Reads, copies, walks and writes replies, and takes parts of the shared array.
void Churn(Workload& work)
{
    for (int round = 0; round < 400; ++round) {
        size_t i = round % work.replies.size();
        TestValue parsed = Parse(kServerReplies[i]);
        TestValue copy(parsed);
        TestValue member;
        ValueNthElementValue(copy.get(), 0, member.get());
        TestValue shared(work.all);
        TestValue part;
        ValueNthElementValue(shared.get(), static_cast<int>(i), part.get());
        if (copy.Text() != work.replies[i] || part.Text() != work.replies[i])
            ++work.wrong;
    }
}

}  // namespace

TEST(ValueThreads, ValuesOnDifferentThreadsDoNotInterfere)
{
    Workload work;
    std::wstring array;
    for (const wchar_t* reply : kServerReplies) {
        work.replies.push_back(Parse(reply).Text());
        array += (array.empty() ? L"[" : L",") + work.replies.back();
    }
    ValueFromString(work.all.get(), (array + L"]").c_str(), array.size() + 1, VALUE_MODE_JSON);
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t)
        threads.emplace_back(Churn, std::ref(work));
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(0, work.wrong.load());
    EXPECT_EQ(array + L"]", work.all.Text());
}
