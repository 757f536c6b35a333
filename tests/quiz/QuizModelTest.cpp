// The quiz's model with a drawer that hands out prepared records: the guess rule, the counters,
// going back and forth, and the reports of a record or a count gone wrong.
#include "kit/ErrorReport.h"
#include "quiz/QuizModel.h"
#include "quiz/RecordString.h"
#include "results/ResultList.h"
#include "tests/support/FakePlatform.h"

#include <gtest/gtest.h>

#include <deque>

using namespace Qt::StringLiterals;

namespace {

class QuizModelTest : public testing::Test {
protected:
    void Run(void (QuizModel::*operation)(ErrorTrap&)) {
        ErrorTrap trap(messages, u"Form2"_s, u"Handler"_s);
        (quiz.*operation)(trap);
    }
    void Guess(const QString& text) {
        quiz.guessBox = text;
        Run(&QuizModel::Guess);
    }
    static QString Record(const char* riddle, const char* answer) {
        return MakeRecordString(QString::fromUtf8(riddle), QString::fromUtf8(answer));
    }
    QStringList Row(int row) const {
        return {list.Text(row), list.SubItem(row, 1), list.SubItem(row, 2)};
    }

    std::deque<QString> draws{Record("first", "Cats"), Record("second", "piano, a piano"),
                              Record("third", "")};
    FakeMessages messages;
    ResultList list;
    QuizModel quiz{[this] {
                       QString next = draws.front();
                       draws.pop_front();
                       return next;
                   },
                   list, messages};
};

TEST_F(QuizModelTest, GuessesAreJudgedCountedAndTheBoxEmptied) {
    Run(&QuizModel::Open);
    Guess(QString());  // no guess: neither counted nor judged
    Guess(u"cat"_s);
    Guess(u"   "_s);
    Guess(u"CATS"_s);
    EXPECT_EQ(messages.messages, (QStringList{u"You got a correct guess."_s, u"Incorrect guess."_s,
                                              u"You got a correct guess."_s}));
    EXPECT_EQ(quiz.guessBox, QString());

    Run(&QuizModel::Next);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(Row(1), (QStringList{Record("first", "Cats"), u"3"_s, u"2"_s}));
    Guess(u"A Piano"_s);
    EXPECT_EQ(quiz.GuessCount, 1);  // counted anew for each riddle
    EXPECT_EQ(quiz.CorrectCount, 1);
    EXPECT_TRUE(messages.errors.isEmpty());
}

// Going back restores the riddle left, with its counts, and leaves the answer box alone.
TEST_F(QuizModelTest, GoingBackRestoresTheRiddleWithItsCounts) {
    Run(&QuizModel::Open);
    EXPECT_FALSE(quiz.canGoBack);
    Run(&QuizModel::ShowAnswer);
    EXPECT_EQ(quiz.answerBox, u"Cats"_s);
    Run(&QuizModel::Next);  // nothing guessed on "first": no row
    EXPECT_EQ(list.Count(), 0);
    EXPECT_TRUE(quiz.canGoBack);
    EXPECT_EQ(quiz.answerBox, QString());
    Guess(u"x"_s);
    Guess(u"piano"_s);
    Run(&QuizModel::ShowAnswer);
    quiz.guessBox = u"typed, not guessed"_s;
    Run(&QuizModel::Previous);
    EXPECT_FALSE(quiz.canGoBack);
    EXPECT_EQ(quiz.guessBox, QString());
    EXPECT_EQ(quiz.riddleBox, u"first"_s);
    EXPECT_EQ(quiz.answerBox, u"piano, a piano"_s);  // the answer of the riddle just left
    Guess(u"y"_s);
    Run(&QuizModel::Next);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(Row(1), (QStringList{Record("first", "Cats"), u"3"_s, u"1"_s}));
    EXPECT_TRUE(quiz.canGoBack);
}

TEST_F(QuizModelTest, EmptyRecordAndOverflowAreReportedAndKeepTheirValues) {
    draws = {Record("first", "a"), QString()};
    Run(&QuizModel::Open);
    Run(&QuizModel::Next);
    EXPECT_EQ(messages.places, QStringList{u"Form2.Handler at line 5"_s});
    EXPECT_EQ(quiz.riddleBox, u"first"_s);
    Guess(u"a"_s);
    EXPECT_EQ(messages.errors.size(), 2);  // no answer piece to judge against
    EXPECT_EQ(quiz.GuessCount, 1);

    quiz.CurrentRiddle = Record("full", "a");
    quiz.GuessCount = 32767;
    quiz.CorrectCount = 32767;
    Guess(u"a"_s);
    EXPECT_EQ(messages.places,
              (QStringList{u"Form2.Handler at line 5"_s, u"Form2.Handler at line 4"_s,
                           u"Form2.Handler at line 3"_s, u"Form2.Handler at line 5"_s}));
    EXPECT_EQ(quiz.GuessCount, 32767);
    EXPECT_EQ(quiz.CorrectCount, 32767);
    EXPECT_EQ(messages.messages.last(), u"You got a correct guess."_s);
    EXPECT_EQ(quiz.guessBox, QString());
}

// A guess is right when it equals one of the comma-separated answers, trimmed, in any case, or
// does with an s added.
TEST_F(QuizModelTest, GuessIsJudgedAgainstEveryStoredAnswer) {
    const struct {
        const char* name;
        const char* guess;
        const char* answers;
        bool right;
    } rows[] = {{"CaseIgnored", "CAT", "Cats", true},
                {"GuessBlanksCount", "cat ", "Cats", false},
                {"PluralOneWayOnly", "cats", "cat", false},
                {"InnerBlanksCount", "a  piano", "a piano", false},
                {"AccentedCase", "\u00c9CHO", "\u00e9cho", true},
                {"EmptyAnswer", "anything", "", false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(GuessIsRight(QString::fromUtf8(row.guess), QString::fromUtf8(row.answers)),
                  row.right);
    }
}

}  // namespace
