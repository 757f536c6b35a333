// The quiz: drawing from real riddle files, the guess rule, counters and navigation.
#include "kit/ErrorReport.h"
#include "kit/Seams.h"
#include "quiz/QuizModel.h"
#include "quiz/RandomSource.h"
#include "quiz/RecordString.h"
#include "quiz/RiddleDraw.h"
#include "results/ResultList.h"
#include "store/Connection.h"
#include "store/RiddleFile.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/RiddleFiles.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>

using namespace Qt::StringLiterals;

namespace {

class DrawTest : public testing::Test {
protected:
    QString Draw() { return LoadRandomRiddle(connection, random, pointer); }
    void Open(const std::vector<RiddleRecord>& rows) {
        connection.Open(RiddleFile::ConnectionString(folder.MakeRiddleFile(u"r.mdb"_s, rows)));
    }

    TestFolder folder;
    Connection connection;
    SeededRandom random{2024};
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
    Open({{7, u"A  B   C    D\nE  "_s, u" piano, a piano "_s}});
    const QString record = Draw();
    EXPECT_EQ(record, u"A\r\nB\r\nC\r\nD\nE||MySeparator12||\" piano, a piano "_s);
    EXPECT_EQ(RecordPiece(record, 1), u"piano, a piano"_s);
}

TEST_F(DrawTest, EmptyTableGivesTheEmptyRecordAndFailuresPutThePointerBack) {
    Open({});
    EXPECT_EQ(Draw(), QString());
    connection.Close();
    EXPECT_THROW(Draw(), std::exception);
    EXPECT_EQ(pointer.value, PointerSetting::Default);
    Open({{1, std::nullopt, u"answer"_s}});
    EXPECT_THROW(Draw(), std::runtime_error);
    EXPECT_EQ(pointer.value, PointerSetting::Default);
    connection.Close();
    Open({{1, u"riddle"_s, std::nullopt}});
    EXPECT_EQ(Draw(), u"riddle"_s + RecordSeparator);
}

TEST(LegacyDrawTest, AnOldFileFeedsTheQuizAndItsNullRiddleGivesTheReport) {
    Connection connection(nullptr, QStringLiteral(LEGACY_READER));
    connection.Open(RiddleFile::ConnectionString(
        QStringLiteral(QUORVANE_SOURCE_DIR "/tests/data/jet/riddles-edge.mdb")));
    SeededRandom random{7};
    FakePointer pointer;
    std::map<QString, int> answers;
    int refused = 0;
    for (int i = 0; i < 600; ++i) {
        try {
            ++answers[RecordPiece(LoadRandomRiddle(connection, random, pointer), 1)];
        } catch (const std::runtime_error&) {
            ++refused;  // row 6 has no riddle
        }
    }
    EXPECT_EQ(answers.size(), 5u);  // rows 1 to 5, row 5's null answer as empty text
    EXPECT_GT(refused, 50);
    EXPECT_LT(refused, 150);
    EXPECT_EQ(pointer.value, PointerSetting::Default);
}

struct GuessCase {
    const char* name;
    const char* guess;
    const char* answer;
    bool matches;
};

void PrintTo(const GuessCase& row, std::ostream* out) {
    *out << row.name;
}

class GuessRule : public testing::TestWithParam<GuessCase> {};

TEST_P(GuessRule, JudgesTheGuess) {
    EXPECT_EQ(
        GuessMatches(QString::fromUtf8(GetParam().guess), QString::fromUtf8(GetParam().answer)),
        GetParam().matches);
}

INSTANTIATE_TEST_SUITE_P(
    Guesses, GuessRule,
    testing::Values(GuessCase{"PluralForgiven", "cat", "Cats", true},
                    GuessCase{"CaseIgnored", "CAT", "Cats", true},
                    GuessCase{"Exact", "cats", "Cats", true},
                    GuessCase{"GuessBlanksCount", "cat ", "Cats", false},
                    GuessCase{"PluralOneWayOnly", "cats", "cat", false},
                    GuessCase{"Words", "A Piano", "a piano", true},
                    GuessCase{"InnerBlanksCount", "a  piano", "a piano", false},
                    GuessCase{"AccentedCase", "\u00c9CHO", "\u00e9cho", true}),
    [](const testing::TestParamInfo<GuessCase>& info) { return std::string(info.param.name); });

// The model with a drawer that hands out prepared records in turn.
class QuizModelTest : public testing::Test {
protected:
    QuizModelTest() {
        list.AddColumn(u"Riddles"_s);
        list.AddColumn(u"How many guesses"_s);
        list.AddColumn(u"How many correct"_s);
    }
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
    EXPECT_EQ(quiz.riddleBox, u"first"_s);
    Guess(QString());
    EXPECT_EQ(quiz.GuessCount, 0);
    EXPECT_TRUE(messages.messages.isEmpty());
    Guess(u"cat"_s);
    Guess(u"   "_s);
    Guess(u"CATS"_s);
    EXPECT_EQ(messages.messages, (QStringList{u"You got a correct guess."_s, u"Incorrect guess."_s,
                                              u"You got a correct guess."_s}));
    EXPECT_EQ(quiz.GuessCount, 3);
    EXPECT_EQ(quiz.CorrectCount, 2);
    EXPECT_EQ(quiz.guessBox, QString());

    Run(&QuizModel::Next);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Text(1), Record("first", "Cats"));
    EXPECT_EQ(list.SubItem(1, 1), u"3"_s);
    EXPECT_EQ(list.SubItem(1, 2), u"2"_s);
    Guess(u"A Piano"_s);
    EXPECT_EQ(quiz.CorrectCount, 1);

    Run(&QuizModel::Next);  // "third" has an empty answer: every guess is wrong
    Guess(u"anything"_s);
    EXPECT_EQ(messages.messages.last(), u"Incorrect guess."_s);
    EXPECT_TRUE(messages.errors.isEmpty());
}

TEST_F(QuizModelTest, GoingBackKeepsTheCountsForTheRestoredRiddle) {
    Run(&QuizModel::Open);
    EXPECT_FALSE(quiz.canGoBack);
    Run(&QuizModel::Next);  // nothing guessed on "first": no row
    EXPECT_EQ(list.Count(), 0);
    EXPECT_TRUE(quiz.canGoBack);
    Guess(u"x"_s);
    Guess(u"piano"_s);
    Run(&QuizModel::Previous);
    EXPECT_FALSE(quiz.canGoBack);
    EXPECT_EQ(quiz.riddleBox, u"first"_s);
    Guess(u"y"_s);
    Run(&QuizModel::Next);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Text(1), Record("first", "Cats"));
    EXPECT_EQ(list.SubItem(1, 1), u"3"_s);
    EXPECT_EQ(list.SubItem(1, 2), u"1"_s);
    EXPECT_TRUE(quiz.canGoBack);
}

TEST_F(QuizModelTest, AnswerBoxAcrossShowNextAndPrevious) {
    Run(&QuizModel::Open);
    Run(&QuizModel::ShowAnswer);
    EXPECT_EQ(quiz.answerBox, u"Cats"_s);
    Run(&QuizModel::Next);
    Run(&QuizModel::Previous);
    EXPECT_EQ(quiz.answerBox, QString());  // cleared by Next
    Run(&QuizModel::Next);                 // "third"
    quiz.CurrentRiddle = Record("fourth", "x");
    Run(&QuizModel::ShowAnswer);
    Run(&QuizModel::Previous);
    EXPECT_EQ(quiz.answerBox, u"x"_s);  // the answer of the riddle just left stays
}

TEST_F(QuizModelTest, EmptyRecordAndOverflowAreReportedAndKeepTheirValues) {
    draws = {Record("first", "a"), QString()};
    Run(&QuizModel::Open);
    Run(&QuizModel::Next);
    EXPECT_EQ(messages.Places(), QStringList{u"Form2.Handler at line 5"_s});
    EXPECT_EQ(quiz.riddleBox, u"first"_s);
    Guess(u"a"_s);
    EXPECT_EQ(messages.errors.size(), 2);  // no answer piece to judge against
    EXPECT_EQ(quiz.GuessCount, 1);

    quiz.CurrentRiddle = Record("full", "a");
    quiz.GuessCount = 32767;
    quiz.CorrectCount = 32767;
    Guess(u"a"_s);
    EXPECT_EQ(messages.Places(),
              (QStringList{u"Form2.Handler at line 5"_s, u"Form2.Handler at line 4"_s,
                           u"Form2.Handler at line 3"_s, u"Form2.Handler at line 5"_s}));
    EXPECT_EQ(quiz.GuessCount, 32767);
    EXPECT_EQ(quiz.CorrectCount, 32767);
    EXPECT_EQ(messages.messages.last(), u"You got a correct guess."_s);
    EXPECT_EQ(quiz.guessBox, QString());
}

}  // namespace
