// The quiz window driven through its controls, and what a screen reader meets in it.
#include "quiz/Form2.h"
#include "quiz/RecordString.h"
#include "results/ResultListView.h"
#include "tests/support/AccessibleTree.h"
#include "tests/support/WindowFixture.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

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

    FixedRandom random{0.5};
};

TEST_F(Form2Test, OpensOnOneRiddleWithEmptyBoxesAndNoWayBack) {
    const auto form = Open({{1, u"Tall  when young"_s, u"candle"_s},
                            {2, u"Second  riddle"_s, u"two"_s},
                            {3, u"Third"_s, u"three"_s}});
    EXPECT_EQ(Riddle(*form), u"Second\nriddle"_s);
    EXPECT_TRUE(Control<QLineEdit>(*form, "Text2")->text().isEmpty());  // no answer shown yet
    EXPECT_FALSE(Control<QPushButton>(*form, "PushButton2")->isEnabled());

    Control<QLineEdit>(*form, "Text3")->setText(u"Two"_s);
    Control<QPushButton>(*form, "PushButton4")->click();
    EXPECT_EQ(messages.messages, QStringList{u"You got a correct guess."_s});
    EXPECT_TRUE(Control<QLineEdit>(*form, "Text3")->text().isEmpty());
    Control<QPushButton>(*form, "PushButton1")->click();
    EXPECT_TRUE(Control<QPushButton>(*form, "PushButton2")->isEnabled());
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
    EXPECT_EQ(messages.places, QStringList{u"Form2.Form_Load at line 4"_s});
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
    Control<QPushButton>(*form, "PushButton4")->click();
    Control<QPushButton>(*form, "PushButton1")->click();  // the guessed riddle goes to the list
    EXPECT_EQ(AccessibleControls(*form),
              (QStringList{
                  u"Window 'Quorvane Software: quiz' described"_s,
                  u"Table 'Results' focusable described"_s,
                  u"Notification 'Tall\nwhen young'"_s,  // the riddle on show, told after Next
                  u"EditableText 'Riddle' focusable read-only"_s,
                  u"Button 'Previous Riddle' focusable"_s,
                  u"Button 'Next Riddle' focusable"_s,
                  u"EditableText 'Guess Answer' focusable"_s,
                  u"Button 'Guess' focusable"_s,
                  u"Button 'Show Answer' focusable"_s,
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
