// The error report's exact text, the trap's resume rules and the application title.
#include "app/ApplicationTitle.h"
#include "app/ErrorReport.h"
#include "tests/support/FakePlatform.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(ErrorReportTest, TextHasLocationLineAndTwoLoneCarriageReturns) {
    EXPECT_EQ(ErrorReportText(QStringLiteral("Form3"), QStringLiteral("PushButton1_Click"),
                              QStringLiteral("Disk full"), 4),
              QStringLiteral("Disk full\r\nin Lumivex2021/08/31.Form3.PushButton1_Click at line 4"
                             "\r\rPlease email screenshot of this message to ") +
                  SupportAddress);
    EXPECT_TRUE(ErrorReportText(QStringLiteral("Form1"), QStringLiteral("Form_Load"), {}, 0)
                    .startsWith(QStringLiteral("\r\nin Lumivex2021/08/31.Form1.Form_Load at line 0")));
}

void HalfDoneRoutine(int& reached) {
    reached = 1;
    throw std::runtime_error("routine failed");
    reached = 2;  // never runs: the routine has no trap of its own
}

TEST(ErrorTrapTest, ReportsEachFailingStepAndResumesWithTheNext) {
    FakeMessages messages;
    ErrorTrap trap(messages, QStringLiteral("Form2"), QStringLiteral("PushButton4_Click"));
    int reached = 0;
    std::vector<int> ran;
    EXPECT_TRUE(trap.Step(1, [&] { ran.push_back(1); }));
    EXPECT_FALSE(trap.Step(2, [&] { HalfDoneRoutine(reached); }));
    EXPECT_TRUE(trap.Step(3, [&] { ran.push_back(3); }));
    EXPECT_FALSE(trap.Step(4, [] { throw 42; }));
    EXPECT_EQ(reached, 1);
    EXPECT_EQ(ran, (std::vector<int>{1, 3}));
    ASSERT_EQ(messages.errors.size(), 2);
    EXPECT_TRUE(messages.errors[0].startsWith(
        QStringLiteral("routine failed\r\nin Lumivex2021/08/31.Form2.PushButton4_Click at line 2\r\r")));
    EXPECT_TRUE(messages.errors[1].contains(QStringLiteral(" at line 4\r\r")));
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST(ApplicationTitleTest, DropsTheLastWordThenWordsUntilFortyCharacters) {
    EXPECT_EQ(ApplicationTitleFor(ProductName), QStringLiteral("Quorvane"));
    EXPECT_EQ(ApplicationTitleFor(QStringLiteral("Short Name Here")), QStringLiteral("Short Name"));
    // 39 characters after the first cut: one word goes.
    EXPECT_EQ(ApplicationTitleFor(QStringLiteral("aaaaaaaaaa bbbbbbbbbb cccccccccc dddddd e")),
              QStringLiteral("aaaaaaaaaa bbbbbbbbbb cccccccccc dddddd"));
    // 43 characters after the first cut: a second word goes.
    EXPECT_EQ(ApplicationTitleFor(QStringLiteral("aaaaaaaaaa bbbbbbbbbb cccccccccc dddddddddddd e")),
              QStringLiteral("aaaaaaaaaa bbbbbbbbbb cccccccccc"));
    EXPECT_EQ(ApplicationTitleFor(QStringLiteral("Quorvane")), QStringLiteral("Quorvane"));
    EXPECT_EQ(ApplicationTitleFor(QString(50, u'x') + QStringLiteral(" y")), QString(40, u'x'));
    SetApplicationTitle();
    EXPECT_EQ(ApplicationTitle(), QStringLiteral("Quorvane"));
}

}  // namespace
