// The quiz: drawing from real riddle files, the guess rule, counters and navigation.
#include "app/ErrorReport.h"
#include "app/PointerSetting.h"
#include "browser/ResultList.h"
#include "quiz/QuizModel.h"
#include "quiz/RandomSource.h"
#include "quiz/RiddleDraw.h"
#include "quiz/RiddleRecord.h"
#include "store/Connection.h"
#include "store/RiddleFile.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/RiddleFiles.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>

namespace {

class SeededRandom final : public RandomSource {
public:
    double Next() override { return std::generate_canonical<double, 53>(engine_); }

private:
    std::mt19937_64 engine_{2024};
};

class FakePointer final : public PointerSetting {
public:
    int MousePointer() const override { return value; }
    void SetMousePointer(int v) override { seen.push_back(value = v); }
    int value = Default;
    std::vector<int> seen;
};

class DrawTest : public testing::Test {
protected:
    QString Draw() { return LoadRandomRiddle(connection, random, pointer); }
    void Open(const std::vector<RiddleRecord>& rows) {
        connection.Open(RiddleFile::ConnectionString(folder.MakeRiddleFile(QStringLiteral("r.mdb"), rows)));
    }

    TestFolder folder;
    Connection connection;
    SeededRandom random;
    FakePointer pointer;
};

TEST_F(DrawTest, EveryRowComesUpAboutEquallyOftenTheFirstIncluded) {
    Open(NumberedRiddles(5));
    std::map<QString, int> drawn;
    for (int i = 0; i < 5000; ++i) {
        ++drawn[RecordPiece(Draw(), 0)];
    }
    ASSERT_EQ(drawn.size(), 5u);
    for (const auto& [riddle, count] : drawn) {
        EXPECT_GT(count, 880) << riddle.toStdString();
        EXPECT_LT(count, 1120) << riddle.toStdString();
    }
    EXPECT_EQ(pointer.seen.size(), 10000u);
    EXPECT_EQ(pointer.value, PointerSetting::Default);
}

TEST_F(DrawTest, RecordHoldsTheCleanedRiddleTheTokenAndTheAnswerAsStored) {
    Open({{7, QStringLiteral("A  B   C    D\nE  "), QStringLiteral(" piano, a piano ")}});
    const QString record = Draw();
    EXPECT_EQ(record, QStringLiteral("A\r\nB\r\nC\r\nD\nE||MySeparator12||\" piano, a piano "));
    EXPECT_EQ(RecordSeparator.size(), 18);
    EXPECT_EQ(RecordPiece(record, 1), QStringLiteral("piano, a piano"));
}

TEST_F(DrawTest, EmptyTableGivesTheEmptyRecordAndFailuresPutThePointerBack) {
    Open({});
    EXPECT_EQ(Draw(), QString());
    EXPECT_THROW(RecordPiece(QString(), 0), std::runtime_error);
    connection.Close();
    EXPECT_THROW(Draw(), std::exception);
    EXPECT_EQ(pointer.value, PointerSetting::Default);
    Open({{1, std::nullopt, QStringLiteral("answer")}});
    EXPECT_THROW(Draw(), std::runtime_error);
    EXPECT_EQ(pointer.value, PointerSetting::Default);
    connection.Close();
    Open({{1, QStringLiteral("riddle"), std::nullopt}});
    EXPECT_EQ(Draw(), QStringLiteral("riddle") + RecordSeparator);
}

TEST(GuessRuleTest, CommaPiecesCaseAndTheOneWayPlural) {
    EXPECT_TRUE(GuessMatches(QStringLiteral("cat"), QStringLiteral("Cats")));
    EXPECT_TRUE(GuessMatches(QStringLiteral("CAT"), QStringLiteral("Cats")));
    EXPECT_TRUE(GuessMatches(QStringLiteral("cats"), QStringLiteral("Cats")));
    EXPECT_FALSE(GuessMatches(QStringLiteral("cat "), QStringLiteral("Cats")));
    EXPECT_FALSE(GuessMatches(QStringLiteral("cats"), QStringLiteral("cat")));
    EXPECT_TRUE(GuessMatches(QStringLiteral("A Piano"), QStringLiteral("a piano")));
    EXPECT_FALSE(GuessMatches(QStringLiteral("a  piano"), QStringLiteral("a piano")));
    EXPECT_TRUE(GuessMatches(QStringLiteral("\u00c9CHO"), QStringLiteral("\u00e9cho")));

    qint16 counter = 32766;
    Increment(counter);
    EXPECT_EQ(counter, 32767);
    EXPECT_THROW(Increment(counter), std::overflow_error);
    EXPECT_EQ(counter, 32767);
}

// The model with a drawer that hands out prepared records in turn.
class QuizModelTest : public testing::Test {
protected:
    QuizModelTest() {
        list.AddColumn(QStringLiteral("Riddles"));
        list.AddColumn(QStringLiteral("How many guesses"));
        list.AddColumn(QStringLiteral("How many correct"));
    }
    void Run(void (QuizModel::*operation)(ErrorTrap&)) {
        ErrorTrap trap(messages, QStringLiteral("Form2"), QStringLiteral("Handler"));
        (quiz.*operation)(trap);
    }
    void Guess(const QString& text) {
        quiz.guessBox = text;
        Run(&QuizModel::Guess);
    }
    static QString Record(const char* riddle, const char* answer) {
        return MakeRiddleRecord(QString::fromUtf8(riddle), QString::fromUtf8(answer));
    }

    std::deque<QString> draws{Record("first", "Cats"), Record("second", "piano, a piano"),
                              Record("third", ""), Record("fourth", "x")};
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
    EXPECT_EQ(quiz.riddleBox, QStringLiteral("first"));
    Guess(QString());
    EXPECT_EQ(quiz.GuessCount, 0);
    EXPECT_TRUE(messages.messages.isEmpty());
    Guess(QStringLiteral("cat"));
    Guess(QStringLiteral("   "));
    Guess(QStringLiteral("CATS"));
    EXPECT_EQ(messages.messages,
              (QStringList{QStringLiteral("You got a correct guess."), QStringLiteral("Incorrect guess."),
                           QStringLiteral("You got a correct guess.")}));
    EXPECT_EQ(quiz.GuessCount, 3);
    EXPECT_EQ(quiz.CorrectCount, 2);
    EXPECT_EQ(quiz.guessBox, QString());

    Run(&QuizModel::Next);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Text(1), Record("first", "Cats"));
    EXPECT_EQ(list.SubItem(1, 1), QStringLiteral("3"));
    EXPECT_EQ(list.SubItem(1, 2), QStringLiteral("2"));
    Guess(QStringLiteral("A Piano"));
    EXPECT_EQ(quiz.CorrectCount, 1);

    Run(&QuizModel::Next);  // "third" has an empty answer: every guess is wrong
    Guess(QStringLiteral("anything"));
    EXPECT_EQ(messages.messages.last(), QStringLiteral("Incorrect guess."));
    EXPECT_TRUE(messages.errors.isEmpty());
}

TEST_F(QuizModelTest, GoingBackKeepsTheCountsForTheRestoredRiddle) {
    Run(&QuizModel::Open);
    EXPECT_FALSE(quiz.canGoBack);
    Run(&QuizModel::Next);  // nothing guessed on "first": no row
    EXPECT_EQ(list.Count(), 0);
    EXPECT_TRUE(quiz.canGoBack);
    Guess(QStringLiteral("x"));
    Guess(QStringLiteral("piano"));
    Run(&QuizModel::Previous);
    EXPECT_FALSE(quiz.canGoBack);
    EXPECT_EQ(quiz.riddleBox, QStringLiteral("first"));
    Guess(QStringLiteral("y"));
    Run(&QuizModel::Next);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Text(1), Record("first", "Cats"));
    EXPECT_EQ(list.SubItem(1, 1), QStringLiteral("3"));
    EXPECT_EQ(list.SubItem(1, 2), QStringLiteral("1"));
    EXPECT_TRUE(quiz.canGoBack);
}

TEST_F(QuizModelTest, AnswerBoxAcrossShowNextAndPrevious) {
    Run(&QuizModel::Open);
    Run(&QuizModel::ShowAnswer);
    EXPECT_EQ(quiz.answerBox, QStringLiteral("Cats"));
    Run(&QuizModel::Next);
    Run(&QuizModel::Previous);
    EXPECT_EQ(quiz.answerBox, QString());  // cleared by Next
    Run(&QuizModel::Next);
    Run(&QuizModel::ShowAnswer);
    Run(&QuizModel::Previous);
    EXPECT_EQ(quiz.answerBox, QString());  // "third" has an empty answer
    quiz.CurrentRiddle = Record("fourth", "x");
    Run(&QuizModel::ShowAnswer);
    Run(&QuizModel::Previous);
    EXPECT_EQ(quiz.answerBox, QStringLiteral("x"));  // the answer of the riddle just left stays
}

TEST_F(QuizModelTest, EmptyRecordAndOverflowAreReportedAndKeepTheirValues) {
    draws = {Record("first", "a"), QString()};
    Run(&QuizModel::Open);
    Run(&QuizModel::Next);
    ASSERT_EQ(messages.errors.size(), 1);
    EXPECT_TRUE(messages.errors[0].contains(QStringLiteral("Form2.Handler at line 5")));
    EXPECT_EQ(quiz.riddleBox, QStringLiteral("first"));
    Guess(QStringLiteral("a"));
    EXPECT_EQ(messages.errors.size(), 2);  // no answer piece to judge against
    EXPECT_EQ(quiz.GuessCount, 1);

    quiz.CurrentRiddle = Record("full", "a");
    quiz.GuessCount = 32767;
    quiz.CorrectCount = 32767;
    Guess(QStringLiteral("a"));
    EXPECT_EQ(messages.errors.size(), 4);
    EXPECT_TRUE(messages.errors[2].contains(QStringLiteral("at line 3")));
    EXPECT_TRUE(messages.errors[3].contains(QStringLiteral("at line 5")));
    EXPECT_EQ(quiz.GuessCount, 32767);
    EXPECT_EQ(quiz.CorrectCount, 32767);
    EXPECT_EQ(messages.messages.last(), QStringLiteral("You got a correct guess."));
    EXPECT_EQ(quiz.guessBox, QString());
}

}  // namespace
