// Damaged server replies must read completely or not at all: a reader that hands back what it
// read before an error would make a cut-off reply look like a short one.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tests/htmlengine/JsonGrammar.h"
#include "tests/htmlengine/ServerReplies.h"
#include "tests/htmlengine/ValueTestSupport.h"

namespace {

// Characters that change the meaning of JSON text, and some that are merely unusual.
const wchar_t kInserted[] = L"{}[]:,\"\\/ \t\r\n0123456789-+.eEuxtrfaln_$\x0001\x00e9\xd83d\xffff";

class Mutator {
public:
    explicit Mutator(unsigned seed) : m_random(seed) {}

    std::wstring Mutate(std::wstring text)
    {
        int mutations = 1 + Below(3);
        for (int i = 0; i < mutations && !text.empty(); ++i)
            MutateOnce(text);
        return text;
    }

private:
    void MutateOnce(std::wstring& text)
    {
        size_t at = Below(static_cast<int>(text.size()));
        switch (Below(4)) {
        case 0: text.resize(at); break;
        case 1: text[at] = RandomChar(); break;
        case 2: text.insert(at, 1, RandomChar()); break;
        default: text.erase(at, 1);
        }
    }

    wchar_t RandomChar() { return kInserted[Below(sizeof kInserted / sizeof kInserted[0] - 1)]; }
    int Below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(m_random); }

    std::mt19937 m_random;
};

}  // namespace

TEST(ParseMutation, DamagedRepliesReadCompletelyOrNotAtAll)
{
    const int kMutations = 100000;
    const unsigned kSeed = 20261209;
    Mutator mutator(kSeed);
    int accepted = 0;
    for (int i = 0; i < kMutations; ++i) {
        const wchar_t* reply = kServerReplies[i % (sizeof kServerReplies / sizeof kServerReplies[0])];
        std::wstring text = mutator.Mutate(reply);
        TestValue value;
        VALUE_RESULT status = ValueFromString(value.get(), text.data(), text.size(), VALUE_MODE_JSON);
        bool acceptable = IsAcceptableJson(text);
        ASSERT_EQ(acceptable, status == VALUE_OK) << "mutation " << i << ": " << testing::PrintToString(text);
        if (!acceptable) {
            ASSERT_EQ(static_cast<uint32_t>(VALUE_UNDEFINED), value.Type()) << "mutation " << i;
            continue;
        }
        ++accepted;
        std::wstring written = value.Text();
        ASSERT_EQ(written, Parse(written).Text()) << "mutation " << i;
    }
    // The test means little unless some damage still leaves valid JSON.
    EXPECT_GT(accepted, kMutations / 100);
}
