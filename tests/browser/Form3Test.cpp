// The browser window driven through its handlers, with fake message boxes and settings.
#include "browser/Form3.h"
#include "results/ResultListView.h"
#include "tests/support/FailingReads.h"
#include "tests/support/WindowFixture.h"

#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSettings>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class Form3Test : public WindowFixture {
protected:
    Form3Test() {
        std::vector<RiddleRecord> rows = NumberedRiddles(30);
        rows[0].riddle = u"  A  B   C  "_s;
        OpenRiddles(rows);
    }

    std::unique_ptr<Form3> Open() {
        auto form = std::make_unique<Form3>(Services());
        form->Form_Load();
        return form;
    }
    static QString Total(Form3& form) { return Control<QLabel>(form, "Label2")->text(); }
    static QString AnswersCaption(Form3& form) {
        return Control<QPushButton>(form, "PushButton5")->text();
    }
    static int AnswerCount(Form3& form) {
        int answers = 0;
        for (int row = 1; row <= form.List().Count(); ++row) {
            answers += form.List().SubItemCount(row);
        }
        return answers;
    }
    static void Display(Form3& form, const QString& count) {
        Control<QLineEdit>(form, "Text1")->setText(count);
        form.PushButton1_Click();
    }
};

TEST_F(Form3Test, FirstOpeningHidesAnswersButTheFullLoadStillFillsThem) {
    const auto form = Open();
    EXPECT_EQ(Control<QLineEdit>(*form, "Text1")->text(), u"50"_s);
    EXPECT_EQ(settings.writes, QStringList{u"Text1=50"_s});
    EXPECT_EQ(form->List().ColumnWidth(2), 1);  // the answers column is collapsed

    Display(*form, u"10"_s);
    EXPECT_EQ(form->List().Count(), 10);
    EXPECT_EQ(AnswerCount(*form), 0);  // the caption says the answers are hidden
    EXPECT_EQ(Total(*form), u"Total Riddle(s): 10"_s);

    form->PushButton3_Click();
    EXPECT_EQ(form->List().Count(), 30);
    EXPECT_EQ(AnswerCount(*form), 30);  // the unset setting reads as 0 here
    EXPECT_EQ(form->List().Text(2), u"Riddle 2"_s);
    EXPECT_EQ(form->List().SubItem(2, 1), u"Answer 2"_s);
    EXPECT_TRUE(messages.errors.isEmpty());
    EXPECT_EQ(form->Pointer().MousePointer(), WindowPointer::Default);
}

TEST_F(Form3Test, ReadsThatFailPartWayGiveOneReportPerLoadAndTheNextLoadIsWhole) {
    FailingReads disk;
    OpenRiddles(NumberedRiddles(20000));  // through the failing disk, large enough for two threads
    const QByteArray before = FileHash(folder.Path(RiddleFile::FileName));
    const auto form = Open();
    // The first read fails as the query opens (line 3), the later ones while rows are read.
    for (const auto& [reads, line] :
         {std::pair(0, 3), std::pair(3, 5), std::pair(40, 5), std::pair(120, 5)}) {
        messages.errors.clear();
        disk.FailAfter(reads);
        form->PushButton3_Click();
        EXPECT_EQ(messages.Places(), QStringList{u"Form3.PushButton3_Click at line %1"_s.arg(line)})
            << "failing after " << reads << " reads";
        EXPECT_LT(form->List().Count(), 20000);
        disk.FailAfter(-1);
        form->PushButton3_Click();
        EXPECT_EQ(messages.errors.size(), 1);
        EXPECT_EQ(form->List().Count(), 20000);
    }
    EXPECT_EQ(FileHash(folder.Path(RiddleFile::FileName)), before);
    connection.Close();  // its files go through the failing layer, which ends with this test
}

TEST_F(Form3Test, CountChecksShowTheirMessageAndKeepTheList) {
    const auto form = Open();
    Display(*form, u"4"_s);
    Display(*form, u""_s);
    Display(*form, u"abc"_s);
    EXPECT_EQ(messages.messages,
              (QStringList{u"You forgot to input number of riddles to display."_s,
                           u"Must be a numeric entry."_s}));
    EXPECT_EQ(form->List().Count(), 4);
    Display(*form, u" 5 "_s);
    EXPECT_EQ(form->List().Count(), 5);
    Display(*form, u"999999"_s);
    EXPECT_EQ(form->List().Count(), 30);
    EXPECT_TRUE(messages.errors.isEmpty());
}

TEST_F(Form3Test, StoreRefusalOrClosedConnectionGivesOneReportAndAConsistentList) {
    const auto form = Open();
    Display(*form, u"3"_s);
    Display(*form, u"2.5"_s);
    EXPECT_EQ(messages.Places(), QStringList{u"Form3.PushButton1_Click at line 4"_s});
    EXPECT_EQ(form->List().Count(), 0);
    EXPECT_EQ(Total(*form), u"Total Riddle(s): 0"_s);
    EXPECT_EQ(form->Pointer().MousePointer(), WindowPointer::Default);

    connection.Close();
    form->PushButton3_Click();
    EXPECT_EQ(messages.Places(), (QStringList{u"Form3.PushButton1_Click at line 4"_s,
                                              u"Form3.PushButton3_Click at line 3"_s}));
    EXPECT_EQ(form->Pointer().MousePointer(), WindowPointer::Default);
}

TEST_F(Form3Test, AnswersButtonFlipsCaptionWidthsAndSettingTogetherAcrossReopening) {
    auto form = Open();
    form->PushButton5_Click();
    EXPECT_EQ(AnswersCaption(*form), u"Hide Answers"_s);
    EXPECT_EQ(form->List().ColumnWidth(2), 3000);  // no longer collapsed
    EXPECT_EQ(settings.Get(u"Hide Answers"_s), u"0"_s);
    Display(*form, u"6"_s);
    EXPECT_EQ(AnswerCount(*form), 6);

    form = Open();
    EXPECT_EQ(AnswersCaption(*form), u"Hide Answers"_s);
    EXPECT_EQ(form->List().ColumnWidth(2), 3000);
    EXPECT_EQ(form->List().Count(), 0);  // a reopened browser starts empty
    form->PushButton5_Click();
    EXPECT_EQ(settings.Get(u"Hide Answers"_s), u"1"_s);

    form = Open();
    EXPECT_EQ(AnswersCaption(*form), u"Show Answers"_s);
    settings.Set(u"Hide Answers"_s, u"2"_s);
    form = Open();
    EXPECT_EQ(AnswersCaption(*form), u"Show Answers"_s);
    form->PushButton3_Click();
    EXPECT_EQ(AnswerCount(*form), 0);
    EXPECT_TRUE(messages.errors.isEmpty());
}

TEST_F(Form3Test, HideAnswersThatIsNoNumberIsReportedOncePerLoad) {
    settings.Set(u"Hide Answers"_s, u"maybe"_s);
    const auto form = Open();
    EXPECT_EQ(messages.Places(), QStringList{u"Form3.Form_Load at line 5"_s});
    EXPECT_EQ(AnswersCaption(*form), u"Show Answers"_s);

    form->PushButton3_Click();
    EXPECT_EQ(messages.Places(), (QStringList{u"Form3.Form_Load at line 5"_s,
                                              u"Form3.PushButton3_Click at line 5"_s}));
    EXPECT_EQ(form->List().Count(), 30);
    EXPECT_EQ(AnswerCount(*form), 0);
    EXPECT_EQ(Total(*form), u"Total Riddle(s): 30"_s);
}

TEST_F(Form3Test, CountBoxIsSavedOnEveryChangeAndRestoredVerbatim) {
    auto form = Open();
    auto* box = Control<QLineEdit>(*form, "Text1");
    box->clear();
    box->insert(u"1"_s);
    box->insert(u"2"_s);
    EXPECT_EQ(settings.writes,
              (QStringList{u"Text1=50"_s, u"Text1="_s, u"Text1=1"_s, u"Text1=12"_s}));
    form = Open();
    EXPECT_EQ(Control<QLineEdit>(*form, "Text1")->text(), u"12"_s);
    Control<QLineEdit>(*form, "Text1")->clear();
    form = Open();
    EXPECT_EQ(Control<QLineEdit>(*form, "Text1")->text(), QString());
}

TEST_F(Form3Test, ARunningCopyTakesInWhatAnotherSavedAndNeverWritesBackItsOldValues) {
    IniSettingsStore copyB(folder.Path(u"config"_s));
    const auto openB = [&] {
        auto form = std::make_unique<Form3>(Services(copyB));
        form->Form_Load();
        return form;
    };
    openB().reset();
    // Copy A sets the count to 7 and shows the answers; the file changes length.
    const QString ini = folder.WriteBytes(u"config/Tarvellan.ini"_s,
                                          "[Quorvane%20Software]\nText1=7\nHide%20Answers=0\n");
    const auto form = openB();
    EXPECT_EQ(Control<QLineEdit>(*form, "Text1")->text(), u"7"_s);
    EXPECT_EQ(AnswersCaption(*form), u"Hide Answers"_s);
    QSettings file(ini, QSettings::IniFormat);
    EXPECT_EQ(file.value(u"Quorvane Software/Text1"_s).toString(), u"7"_s);

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
    form->PushButton3_Click();
    auto* list = Control<ResultListView>(*form, "ListView1");
    list->SelectRow(1);
    form->ListView1_Click();
    EXPECT_EQ(Control<QLabel>(*form, "Label3")->text(), u"A\nB\nC"_s);

    list->SelectRow(5);
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, u" "_s);
    QCoreApplication::sendEvent(list, &space);
    EXPECT_TRUE(form->List().Ticked(5));  // Space ticks the selected row
    form->Pointer().SetMousePointer(WindowPointer::Busy);
    form->ListView1_DblClick();
    EXPECT_EQ(form->List().Count(), 30);
    form->Pointer().SetMousePointer(WindowPointer::Default);
    form->ListView1_DblClick();
    EXPECT_EQ(form->List().Count(), 29);
    EXPECT_EQ(form->List().Text(5), u"Riddle 6"_s);
    EXPECT_EQ(Total(*form), u"Total Riddle(s): 30"_s);
    EXPECT_EQ(Control<QLabel>(*form, "Label3")->text(), u"A\nB\nC"_s);
}

TEST_F(Form3Test, ClosingDuringAnExportDiscardsTheWindowOnlyAfterIt) {
    Form3* form = Open().release();  // the window discards itself
    QPointer<Form3> alive(form);
    form->PushButton3_Click();
    form->List().SetAllTicked(true);
    fake.saveDialog.answers = {folder.Path(u"saved"_s)};
    fake.events.runAt = 5;
    fake.events.during = [form] {  // the user closes the window while events run
        form->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    Control<QPushButton>(*form, "PushButton4")->click();
    ASSERT_TRUE(alive);
    EXPECT_EQ(mainShown, 1);
    EXPECT_EQ(form->Pointer().MousePointer(), WindowPointer::Default);
    EXPECT_TRUE(QFile::exists(folder.Path(u"saved"_s)));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(alive);
}

}  // namespace
