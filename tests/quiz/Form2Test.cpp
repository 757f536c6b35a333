// The quiz window opened and driven through its handlers.
#include "quiz/Form2.h"
#include "quiz/RandomSource.h"
#include "tests/support/WindowFixture.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

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

    FixedRandom random{0.5};
};

TEST_F(Form2Test, OpensOnOneRiddleWithEmptyBoxesAndNoWayBack) {
    const auto form = Open({{1, u"Tall  when young"_s, u"candle"_s},
                            {2, u"Second  riddle"_s, u"two"_s},
                            {3, u"Third"_s, u"three"_s}});
    EXPECT_EQ(Control<QPlainTextEdit>(*form, "Text1")->toPlainText(), u"Second\nriddle"_s);
    EXPECT_TRUE(Control<QLineEdit>(*form, "Text2")->text().isEmpty());  // no answer shown yet
    EXPECT_FALSE(Control<QPushButton>(*form, "PushButton2")->isEnabled());
    EXPECT_EQ(form->List().Count(), 0);
    EXPECT_EQ(form->List().ColumnHeader(3), u"How many correct"_s);
    EXPECT_EQ(form->List().ColumnWidth(1), 3000);

    Control<QLineEdit>(*form, "Text3")->setText(u"Two"_s);
    Control<QPushButton>(*form, "PushButton4")->click();
    EXPECT_EQ(messages.messages, QStringList{u"You got a correct guess."_s});
    EXPECT_TRUE(Control<QLineEdit>(*form, "Text3")->text().isEmpty());
    Control<QPushButton>(*form, "PushButton1")->click();
    EXPECT_TRUE(Control<QPushButton>(*form, "PushButton2")->isEnabled());
    EXPECT_EQ(form->List().SubItem(1, 1), u"1"_s);
    EXPECT_EQ(form->Pointer().MousePointer(), WindowPointer::Default);
    EXPECT_TRUE(messages.errors.isEmpty());
}

TEST_F(Form2Test, OneRowTableIsDrawnAndAnEmptyOneReportedOnOpening) {
    auto form = Open({{1, u"Only riddle"_s, u"only"_s}});
    EXPECT_EQ(Control<QPlainTextEdit>(*form, "Text1")->toPlainText(), u"Only riddle"_s);
    EXPECT_TRUE(messages.errors.isEmpty());

    form = Open({});
    EXPECT_EQ(messages.Places(), QStringList{u"Form2.Form_Load at line 4"_s});
    EXPECT_TRUE(Control<QPlainTextEdit>(*form, "Text1")->toPlainText().isEmpty());
    EXPECT_EQ(form->List().ColumnCount(), 3);  // the opening went on after the report
    form->close();
    EXPECT_EQ(mainShown, 1);
}

}  // namespace
