// The error report's exact text and the trap's resume rules.
#include "kit/ErrorReport.h"
#include "tests/support/FakePlatform.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

TEST(ErrorTrapTest, ReportsEachFailingStepAndResumesWithTheNext) {
    FakeMessages messages;
    ErrorTrap trap(messages, u"Form2"_s, u"PushButton4_Click"_s);
    std::vector<int> ran;
    EXPECT_TRUE(trap.Step(1, [&] { ran.push_back(1); }));
    EXPECT_FALSE(trap.Step(2, [] { throw std::runtime_error("routine failed"); }));
    EXPECT_TRUE(trap.Step(3, [&] { ran.push_back(3); }));
    EXPECT_FALSE(trap.Step(4, [] { throw 42; }));
    EXPECT_EQ(ran, (std::vector<int>{1, 3}));
    // The report's exact text: two lone carriage returns before the plea.
    ASSERT_EQ(messages.errors.size(), 2);
    EXPECT_EQ(messages.errors[0],
              u"routine failed\r\nin Lumivex2021/08/31.Form2.PushButton4_Click at line 2\r\r"_s
              u"Please email screenshot of this message to "_s +
                  SupportAddress);
    EXPECT_TRUE(messages.errors[1].contains(u" at line 4\r\r"_s));
    EXPECT_TRUE(messages.messages.isEmpty());

    // Meeting the program's end stops this step and every later one, silently.
    EXPECT_FALSE(trap.Step(5, [] { throw ProgramEnding(); }));
    EXPECT_FALSE(trap.Step(6, [&] { ran.push_back(6); }));
    EXPECT_EQ(ran, (std::vector<int>{1, 3}));
    EXPECT_EQ(messages.errors.size(), 2);
}

TEST(ErrorTrapTest, HandlersWithoutATrapSurviveAnyFailure) {
    int ran = 0;
    RunWithoutTrap([&] {
        ++ran;
        throw 42;
    });
    RunWithoutTrap([&] { throw std::runtime_error("failed"); });
    RunWithoutTrap([&] { ++ran; });
    EXPECT_EQ(ran, 2);
}

}  // namespace
