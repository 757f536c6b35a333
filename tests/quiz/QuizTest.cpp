// The quiz: drawing from real riddle files, the guess rule, counters and navigation, and the quiz
// window driven through its controls.
#include "kit/ErrorReport.h"
#include "quiz/Form2.h"
#include "quiz/QuizModel.h"
#include "quiz/RandomSource.h"
#include "quiz/RecordString.h"
#include "quiz/RiddleDraw.h"
#include "results/ResultListView.h"
#include "tests/support/AccessibleTree.h"
#include "tests/support/WindowFixture.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

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

// A table with no rows is met by the quiz window's opening below.
TEST_F(DrawTest, RecordHoldsTheCleanedRiddleAndTheAnswerAsStored) {
    Open({{7, u"A  B   C    D\nE  "_s, u" piano, a piano "_s}});
    const QString record = Draw();
    EXPECT_EQ(record, u"A\r\nB\r\nC\r\nD\nE||MySeparator12||\" piano, a piano "_s);
    EXPECT_EQ(RecordPiece(record, 1), u"piano, a piano"_s);
    connection.Close();
    EXPECT_THROW(Draw(), std::exception);
    EXPECT_EQ(pointer.value, Pointer::Default);
    // A row without a riddle is refused, and the pointer still comes back.
    Open({{1, std::nullopt, u"a"_s}});
    EXPECT_THROW(Draw(), std::runtime_error);
    EXPECT_EQ(pointer.value, Pointer::Default);
}

// A guess is right when it equals one of the comma-separated answers, trimmed, in any case, or
// does with an s added.
TEST(GuessRule, JudgesTheGuessAgainstEveryStoredAnswer) {
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

// The model with a drawer that hands out prepared records in turn.
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

class Form2Test : public WindowFixture {
protected:
    std::unique_ptr<Form2> Open(const std::vector<RiddleRecord>& rows) {
        OpenRiddles(rows);
        auto form = std::make_unique<Form2>(Services(), random);
        form->Form_Load();
        return form;
    }
    static QString Riddle(Form2& form) {
        return Control<QPlainTextEdit>(form, "Text1")->toPlainText();
    }
    static QPushButton* Button(Form2& form, const char* name) {
        return Control<QPushButton>(form, name);
    }

    FixedRandom random{0.5};
};

TEST_F(Form2Test, OpensOnOneRiddleWithEmptyBoxesAndNoWayBack) {
    const auto form = Open({{1, u"Tall  when young"_s, u"candle"_s},
                            {2, u"Second  riddle"_s, u"two"_s},
                            {3, u"Third"_s, u"three"_s}});
    EXPECT_EQ(Riddle(*form), u"Second\nriddle"_s);
    EXPECT_TRUE(Control<QLineEdit>(*form, "Text2")->text().isEmpty());  // no answer shown yet
    EXPECT_FALSE(Button(*form, "PushButton2")->isEnabled());

    Control<QLineEdit>(*form, "Text3")->setText(u"Two"_s);
    Button(*form, "PushButton4")->click();
    EXPECT_EQ(messages.messages, QStringList{u"You got a correct guess."_s});
    EXPECT_TRUE(Control<QLineEdit>(*form, "Text3")->text().isEmpty());
    Button(*form, "PushButton1")->click();
    EXPECT_TRUE(Button(*form, "PushButton2")->isEnabled());
    EXPECT_EQ(form->List().SubItem(1, 1), u"1"_s);
    EXPECT_TRUE(messages.errors.isEmpty());

    // Space ticks the row a click on its count made current.
    form->show();
    auto* list = Control<ResultListView>(*form, "ListView1");
    const QRect count = list->visualRect(list->model()->index(0, 1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, count.center());
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_TRUE(form->List().Ticked(1));
}

TEST_F(Form2Test, EmptyTableIsReportedOnOpeningAndTheOpeningGoesOn) {
    const auto form = Open({});
    EXPECT_EQ(messages.Places(), QStringList{u"Form2.Form_Load at line 4"_s});
    EXPECT_TRUE(Riddle(*form).isEmpty());
    EXPECT_EQ(form->List().ColumnCount(), 3);
    EXPECT_EQ(form->List().ColumnWidth(1), 3000);
    EXPECT_EQ(form->List().ColumnWidth(2), 2100);
    EXPECT_EQ(form->List().ColumnWidth(3), 2100);
    form->close();
    EXPECT_EQ(mainShown, 1);
}

// A screen reader meets the quiz by its name and each control by role and name. It reads a
// result row as its riddle alone, while the row keeps its record, answer and all, for the
// exports.
TEST_F(Form2Test, ScreenReadersMeetEveryControlAndReadResultRowsWithoutTheAnswer) {
    const auto form = Open({{1, u"Tall  when young"_s, u"candle"_s}});
    Control<QLineEdit>(*form, "Text3")->setText(u"wax"_s);
    Button(*form, "PushButton4")->click();
    Button(*form, "PushButton1")->click();  // the guessed riddle goes to the list
    EXPECT_EQ(AccessibleControls(*form),
              (QStringList{
                  u"Window 'Quorvane Software: quiz' - Shows one riddle at a time, judges your "
                  u"guesses and counts them."_s,
                  u"Table 'Results' focusable - The riddles you were shown, with your guesses and "
                  u"correct guesses. Space ticks a row for saving or sending."_s,
                  u"StatusBar ''"_s,
                  u"Notification 'Tall\nwhen young'"_s,  // the riddle on show, told after Next
                  u"Grouping ''"_s,
                  u"EditableText 'Riddle' focusable read-only"_s,
                  u"Button 'Previous Riddle' focusable"_s,
                  u"Button 'Next Riddle' focusable"_s,
                  u"Grouping ''"_s,
                  u"EditableText 'Guess Answer' focusable"_s,
                  u"Button 'Guess' focusable"_s,
                  u"Button 'Show Answer' focusable"_s,
                  u"Grouping ''"_s,
                  u"EditableText 'Answer' focusable read-only"_s,
                  u"Grouping 'Score Option'"_s,
                  u"CheckBox 'Keep score' focusable"_s,
                  u"Button 'Save Results As Text' focusable"_s,
                  u"Button 'Send Results To Excel' focusable"_s,
              }));
    EXPECT_EQ(form->windowTitle(), u"Quorvane Software"_s);  // the caption stays
    const QString record = form->List().Text(1);
    ASSERT_TRUE(record.endsWith(RecordSeparator + u"candle"_s));
    QAccessibleInterface* list =
        QAccessible::queryAccessibleInterface(Control<ResultListView>(*form, "ListView1"));
    EXPECT_EQ(list->tableInterface()->cellAt(0, 0)->text(QAccessible::Name), u"Tall when young"_s);
}

}  // namespace
