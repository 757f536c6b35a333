// The browser window driven through its handlers, with fake message boxes and settings.
#include "browser/BrowserLoading.h"
#include "browser/Form3.h"
#include "results/ResultListView.h"
#include "tests/support/AccessibleTree.h"
#include "tests/support/FailingReads.h"
#include "tests/support/WindowFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

#include <set>

using namespace Qt::StringLiterals;

namespace {

class Form3Test : public WindowFixture {
protected:
    Form3Test() {
        std::vector<RiddleRecord> rows = NumberedRiddles(30);
        rows[0].riddle = u"  A  B   C  "_s;
        rows[0].answer = u" an answer "_s;
        OpenRiddles(rows);
    }
    std::unique_ptr<Form3> Open(SettingsStore* store = nullptr) {
        auto form = std::make_unique<Form3>(Services(store ? *store : settings));
        form->Form_Load();
        return form;
    }
    static QLineEdit* CountBox(Form3& form) { return Control<QLineEdit>(form, "Text1"); }
    static QString Total(Form3& form) { return Control<QLabel>(form, "Label2")->text(); }
    static int AnswerCount(Form3& form) {
        int answers = 0;
        for (int row = 1; row <= form.List().Count(); ++row) {
            answers += form.List().SubItemCount(row);
        }
        return answers;
    }
    static void ExpectAnswersShown(Form3& form, bool shown) {
        EXPECT_EQ(Control<QPushButton>(form, "PushButton5")->text(),
                  shown ? u"Hide Answers"_s : u"Show Answers"_s);
        EXPECT_EQ(form.List().ColumnWidth(1), shown ? 5000 : 8000);
        EXPECT_EQ(form.List().ColumnWidth(2), shown ? 3000 : 1);  // hidden: collapsed
    }
    static void Display(Form3& form, const QString& count) {
        CountBox(form)->setText(count);
        form.PushButton1_Click();
    }
};

// The count check behind Start Displaying: its message, or the count goes to the store as typed.
TEST_F(Form3Test, CountCheckGivesItsMessageOrLetsTheCountGoToTheStoreAsTyped) {
    const char* const nan = "Must be a numeric entry.";
    const char* const forgot = "You forgot to input number of riddles to display.";
    const char* const big = "Number must be less than 1 million";
    const struct {
        const char* name;
        const char* text;
        const char* problem;  // nullptr: none
    } rows[] = {{"Largest", "999999", nullptr},
                {"Blanks", " 5 ", nullptr},
                {"Zero", "0", nullptr},
                {"Negative", "-3", nullptr},
                {"Fraction", "2.5", nullptr},
                {"Thousands", "1,000", nullptr},
                {"Plus", "+7", nullptr},
                {"LeadingPoint", ".5", nullptr},
                {"Exponent", "1e3", nullptr},
                {"Empty", "", forgot},
                {"OnlyBlanks", "   ", forgot},
                {"SignAlone", "-", nan},
                {"PointAlone", ".", nan},
                {"ExponentAlone", "e5", nan},
                {"MisplacedComma", "1,00", nan},
                {"OpenExponent", "1e", nan},
                {"TrailingLetters", "12abc", nan},
                {"Hexadecimal", "0x10", nan},
                {"TwoNumbers", "5 5", nan},
                {"Million", "1,000,000", big},
                {"MillionUnpunctuated", "1000000", big}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(CountProblem(QString::fromUtf8(row.text)),
                  row.problem ? std::optional(QString::fromUtf8(row.problem)) : std::nullopt);
    }
    EXPECT_EQ(RandomSelectionQuery(u" 5 "_s),
              u"select top  5  * from tblRiddles ORDER BY Rnd([id])"_s);
}

// The stored "Hide Answers" sets the caption and the answers column at opening, and the caption
// decides the answers of a random selection; the full load reads the setting afresh, an unset one
// as 0. A value that is no number is reported once per load, and hides the answers.
TEST_F(Form3Test, StoredHideAnswersDecidesWhatEachLoadShowsAndTheButtonFlipsIt) {
    const struct {
        const char* name;
        const char* stored;  // nullptr: never saved
        bool shownAtOpening;
        int answersInFullLoad;
        QStringList places;
    } rows[] = {
        {"Unset", nullptr, false, 30, {}},
        {"Shown", "0", true, 30, {}},
        {"Hidden", "1", false, 0, {}},
        {"OtherNumber", "2", false, 0, {}},
        {"NoNumber",
         "maybe",
         false,
         0,
         {u"Form3.Form_Load at line 5"_s, u"Form3.PushButton3_Click at line 5"_s}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        settings.values.clear();
        messages.ClearReports();
        if (row.stored != nullptr) {
            settings.Set(u"Hide Answers"_s, QString::fromLatin1(row.stored));
        }
        const auto form = Open();
        EXPECT_EQ(form->List().Count(), 0);  // an opened browser starts empty
        ExpectAnswersShown(*form, row.shownAtOpening);
        Display(*form, u"6"_s);
        EXPECT_EQ(AnswerCount(*form), row.shownAtOpening ? 6 : 0);
        std::set<Pointer> duringTheLoad;  // each row reads the setting
        settings.onRead = [&] {
            duringTheLoad.insert(form->MousePointerSetting().MousePointer());
        };
        form->PushButton3_Click();
        settings.onRead = nullptr;
        EXPECT_EQ(duringTheLoad, std::set{Pointer::Busy});
        EXPECT_EQ(AnswerCount(*form), row.answersInFullLoad);
        EXPECT_EQ(messages.places, row.places);
        EXPECT_EQ(form->MousePointerSetting().MousePointer(), Pointer::Default);

        form->PushButton5_Click();
        ExpectAnswersShown(*form, !row.shownAtOpening);
        EXPECT_EQ(settings.Get(u"Hide Answers"_s), row.shownAtOpening ? u"1"_s : u"0"_s);
    }
}

TEST_F(Form3Test, ReadsThatFailPartWayGiveOneReportPerLoadAndTheNextLoadIsWhole) {
    FailingReads disk;
    OpenRiddles(NumberedRiddles(20000));  // through the failing disk, large enough for two threads
    const auto form = Open();
    // The first read fails as the query opens (line 3), the later ones while rows are read.
    for (const auto& [reads, line] :
         {std::pair(0, 3), std::pair(3, 5), std::pair(40, 5), std::pair(120, 5)}) {
        messages.ClearReports();
        disk.FailAfter(reads);
        form->PushButton3_Click();
        EXPECT_EQ(messages.places, QStringList{u"Form3.PushButton3_Click at line %1"_s.arg(line)})
            << "failing after " << reads << " reads";
        EXPECT_LT(form->List().Count(), 20000);
        EXPECT_EQ(form->MousePointerSetting().MousePointer(), Pointer::Default);
        disk.FailAfter(-1);
        form->PushButton3_Click();
        EXPECT_EQ(messages.errors.size(), 1);
        EXPECT_EQ(form->List().Count(), 20000);
    }
    connection.Close();  // its files go through the failing layer, which ends with this test
}

// A bad count stops before the store and keeps the list; the store decides what it can answer,
// and its refusal gives one report and an empty, consistent list.
TEST_F(Form3Test, CountsAreCheckedThenLeftToTheStore) {
    const auto form = Open();
    Display(*form, u"4"_s);
    EXPECT_EQ(Total(*form), u"Total Riddle(s): 4"_s);
    Display(*form, u"abc"_s);
    EXPECT_EQ(messages.messages, QStringList{u"Must be a numeric entry."_s});
    EXPECT_EQ(form->List().Count(), 4);
    EXPECT_EQ(Total(*form), u"Total Riddle(s): 4"_s);
    EXPECT_TRUE(messages.errors.isEmpty());

    Display(*form, u"2.5"_s);
    EXPECT_EQ(messages.places, QStringList{u"Form3.PushButton1_Click at line 4"_s});
    EXPECT_EQ(form->List().Count(), 0);
    EXPECT_EQ(Total(*form), u"Total Riddle(s): 0"_s);
    EXPECT_EQ(form->MousePointerSetting().MousePointer(), Pointer::Default);
}

TEST_F(Form3Test, CountBoxIsSavedOnEveryChangeAndRestoredVerbatim) {
    auto form = Open();
    CountBox(*form)->clear();
    CountBox(*form)->insert(u"1"_s);
    CountBox(*form)->insert(u"2"_s);
    EXPECT_EQ(settings.writes,
              (QStringList{u"Text1=50"_s, u"Text1="_s, u"Text1=1"_s, u"Text1=12"_s}));
    form = Open();
    EXPECT_EQ(CountBox(*form)->text(), u"12"_s);
    CountBox(*form)->clear();
    form = Open();
    EXPECT_EQ(CountBox(*form)->text(), QString());
}

TEST_F(Form3Test, ARunningCopyTakesInWhatAnotherSavedAndNeverWritesBackItsOldValues) {
    IniSettingsStore copyB(folder.Path(u"config"_s));
    Open(&copyB).reset();
    // Copy A sets the count to 7 and shows the answers; the file changes length.
    const QString ini = folder.WriteBytes(u"config/Tarvellan.ini"_s,
                                          "[Quorvane%20Software]\nText1=7\nHide%20Answers=0\n");
    const auto form = Open(&copyB);
    EXPECT_EQ(CountBox(*form)->text(), u"7"_s);
    ExpectAnswersShown(*form, true);
    EXPECT_EQ(QSettings(ini, QSettings::IniFormat).value(u"Quorvane Software/Text1"_s).toString(),
              u"7"_s);

    // Copy A hides the answers again before B loads every riddle.
    folder.WriteBytes(u"config/Tarvellan.ini"_s,
                      "[Quorvane%20Software]\nText1=7\nHide%20Answers=1\n\n");
    form->PushButton3_Click();
    EXPECT_EQ(form->List().Count(), 30);
    EXPECT_EQ(AnswerCount(*form), 0);
    EXPECT_TRUE(messages.errors.isEmpty());
}

TEST_F(Form3Test, ClickShowsLinesAndDoubleClickRemovesTheSelectedRowUnlessBusy) {
    const auto form = Open();
    form->PushButton5_Click();  // answers shown
    form->PushButton3_Click();
    EXPECT_EQ(form->List().Text(1), u"A  B   C"_s);  // riddles and answers are loaded trimmed
    EXPECT_EQ(form->List().SubItem(1, 1), u"an answer"_s);
    auto* list = Control<ResultListView>(*form, "ListView1");
    list->SelectRow(1);
    form->ListView1_Click();
    EXPECT_EQ(Control<QLabel>(*form, "Label3")->text(), u"A\nB\nC"_s);

    list->SelectRow(5);
    form->MousePointerSetting().SetMousePointer(Pointer::Busy);
    form->ListView1_DblClick();
    EXPECT_EQ(form->List().Count(), 30);
    form->MousePointerSetting().SetMousePointer(Pointer::Default);
    form->ListView1_DblClick();
    EXPECT_EQ(form->List().Count(), 29);
    EXPECT_EQ(form->List().Text(5), u"Riddle 6"_s);
    EXPECT_EQ(Total(*form), u"Total Riddle(s): 30"_s);
    EXPECT_EQ(Control<QLabel>(*form, "Label3")->text(), u"A\nB\nC"_s);

    // Either load empties the panel.
    Display(*form, u"3"_s);
    EXPECT_EQ(Control<QLabel>(*form, "Label3")->text(), QString());
    list->SelectRow(1);
    form->ListView1_Click();
    form->PushButton3_Click();
    EXPECT_EQ(Control<QLabel>(*form, "Label3")->text(), QString());
}

// A screen reader meets the browser by its name, each control by role and name, and the panel as
// read-only text it can read whole (its white backing is no control). A key that moves the
// selection shows that row's riddle in the panel, as a click does.
TEST_F(Form3Test, ScreenReadersMeetEveryControlAndKeysShowTheChosenRiddle) {
    const auto form = Open();
    form->PushButton3_Click();
    EXPECT_EQ(AccessibleControls(*form),
              (QStringList{
                  u"Window 'Quorvane Software: riddle browser' described"_s,
                  u"Table 'Riddles' focusable described"_s,
                  u"Notification 'Total Riddle(s): 30'"_s,
                  u"EditableText 'Number Of Riddles To Display' focusable"_s,
                  u"Button 'Start Displaying' focusable"_s,
                  u"Button 'Start Showing All Riddles' focusable"_s,
                  u"Button 'Show Answers' focusable"_s,
                  u"Button 'Save Results As Text' focusable"_s,
                  u"Button 'Send Results To Excel' focusable"_s,
                  u"StaticText 'Total Riddle(s): 30' read-only described"_s,
                  u"EditableText 'Selected riddle' read-only"_s,
              }));
    EXPECT_EQ(form->windowTitle(), u"Quorvane Software"_s);  // the caption stays

    form->show();
    auto* list = Control<ResultListView>(*form, "ListView1");
    const auto* panel = Control<QLabel>(*form, "Label3");
    const struct {
        Qt::Key key;
        QString panel;
    } moves[] = {{Qt::Key_Home, u"A\nB\nC"_s},
                 {Qt::Key_Down, u"Riddle 2"_s},
                 {Qt::Key_End, u"Riddle 30"_s},
                 {Qt::Key_Up, u"Riddle 29"_s}};
    for (const auto& move : moves) {
        QTest::keyClick(list, move.key);
        EXPECT_EQ(panel->text(), move.panel) << move.key;
    }
    QAccessibleInterface* read =
        QAccessible::queryAccessibleInterface(Control<QLabel>(*form, "Label3"));
    ASSERT_NE(read->textInterface(), nullptr);
    EXPECT_EQ(read->textInterface()->text(0, read->textInterface()->characterCount()),
              u"Riddle 29"_s);
}

}  // namespace
