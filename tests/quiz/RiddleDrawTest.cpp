// Drawing one riddle at random from real riddle files, as the quiz does at each Next.
#include "quiz/RecordString.h"
#include "quiz/RiddleDraw.h"
#include "tests/support/WindowFixture.h"

#include <gtest/gtest.h>

#include <map>

using namespace Qt::StringLiterals;

namespace {

class RiddleDrawTest : public WindowFixture {
protected:
    QString Draw() { return LoadRandomRiddle(connection, random, pointer); }

    SeededRandom random{2024};
    FakePointer pointer;
};

TEST_F(RiddleDrawTest, EveryRowComesUpAboutEquallyOftenTheFirstIncluded) {
    OpenRiddles(NumberedRiddles(5));
    std::map<QString, int> drawn;  // by answer
    for (int i = 0; i < 5000; ++i) {
        ++drawn[RecordPiece(Draw(), 1)];
    }
    ASSERT_EQ(drawn.size(), 5u);
    for (const auto& [answer, count] : drawn) {
        EXPECT_GT(count, 880) << answer.toStdString();
        EXPECT_LT(count, 1120) << answer.toStdString();
    }
    EXPECT_EQ(pointer.seen.size(), 10000u);
    EXPECT_EQ(pointer.value, Pointer::Default);
}

// A table with no rows is met by the quiz window's opening, in Form2Test.
TEST_F(RiddleDrawTest, RecordHoldsTheCleanedRiddleAndTheAnswerAsStored) {
    OpenRiddles({{7, u"A  B   C    D\nE  "_s, u" piano, a piano "_s}});
    const QString record = Draw();
    EXPECT_EQ(record, u"A\r\nB\r\nC\r\nD\nE||MySeparator12||\" piano, a piano "_s);
    EXPECT_EQ(RecordPiece(record, 1), u"piano, a piano"_s);
    connection.Close();
    EXPECT_THROW(Draw(), std::exception);
    EXPECT_EQ(pointer.value, Pointer::Default);
    // A row without a riddle is refused, and the pointer still comes back.
    OpenRiddles({{1, std::nullopt, u"a"_s}});
    EXPECT_THROW(Draw(), std::runtime_error);
    EXPECT_EQ(pointer.value, Pointer::Default);
}

}  // namespace
