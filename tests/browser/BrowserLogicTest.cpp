// The browser's pure rules: the count check, riddle lines, the result list and the settings file.
#include "app/Settings.h"
#include "browser/BrowserLoading.h"
#include "browser/ResultList.h"
#include "browser/RiddleText.h"

#include <QAbstractItemModelTester>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(CountCheckTest, MessagesComeInOrderAndOnlyForTheThreeRules) {
    const QString forgot = QStringLiteral("You forgot to input number of riddles to display.");
    const QString numeric = QStringLiteral("Must be a numeric entry.");
    const QString million = QStringLiteral("Number must be less than 1 million");
    EXPECT_EQ(CountProblem(QString()), forgot);
    EXPECT_EQ(CountProblem(QStringLiteral("   ")), forgot);
    EXPECT_EQ(CountProblem(QStringLiteral("abc")), numeric);
    EXPECT_EQ(CountProblem(QStringLiteral("5 5")), numeric);
    EXPECT_EQ(CountProblem(QStringLiteral("1000000")), million);
    EXPECT_EQ(CountProblem(QStringLiteral("1,000,000")), million);
    EXPECT_EQ(CountProblem(QStringLiteral("1e6")), million);
    // Everything else that reads as a number goes to the store as typed.
    for (const char* accepted : {"999999", " 5 ", "0", "-3", "2.5", "1,000", "+7", ".5", "1e3"}) {
        EXPECT_EQ(CountProblem(QString::fromLatin1(accepted)), std::nullopt) << accepted;
    }
    for (const char* refused : {"-", ".", "e5", "1,00", "1e", "12abc", "0x10"}) {
        EXPECT_EQ(ReadAsNumber(QString::fromLatin1(refused)), std::nullopt) << refused;
    }
    EXPECT_EQ(RandomSelectionQuery(QStringLiteral(" 5 ")),
              QStringLiteral("select top  5  * from tblRiddles ORDER BY Rnd([id])"));
}

TEST(RiddleTextTest, TwoBlanksBreakTheLine) {
    EXPECT_EQ(RiddleLines(QStringLiteral("A  B   C")), QStringLiteral("A\r\nB\r\nC"));
    EXPECT_EQ(RiddleLines(QStringLiteral("A  B    C  ")), QStringLiteral("A\r\nB\r\nC"));
    EXPECT_EQ(RiddleLines(QStringLiteral("one line only")), QStringLiteral("one line only"));
    EXPECT_EQ(RiddleLines(QStringLiteral("   ")), QString());
    EXPECT_EQ(RiddleLines(QStringLiteral("keeps\ttabs\nand breaks")),
              QStringLiteral("keeps\ttabs\nand breaks"));
    EXPECT_EQ(TrimBlanks(QStringLiteral(" \tx\n ")), QStringLiteral("\tx\n"));
}

TEST(ResultListTest, RowsAreNumberedFromOneAndNeverTickedByAdding) {
    ResultList list;
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::Fatal);
    list.AddColumn(QStringLiteral("Riddles"));
    list.AddColumn(QStringLiteral("Answers"));
    for (const char* text : {"first", "second", "third"}) {
        list.AddRow(QString::fromLatin1(text));
    }
    list.SetSubItem(2, 1, QStringLiteral("answer two"));
    list.SetSubItem(3, 2, QStringLiteral("beyond the columns"));
    EXPECT_EQ(list.SubItem(1, 1), QString());
    EXPECT_EQ(list.SubItem(3, 1), QString());
    EXPECT_FALSE(list.Ticked(1) || list.Ticked(2) || list.Ticked(3));
    EXPECT_EQ(list.SubItemCount(3), 2);
    list.SetSubItem(1, 1, QStringLiteral("caf\u00e9, \u00fcber"));
    EXPECT_EQ(list.SubItem(1, 1), QStringLiteral("caf\u00e9, \u00fcber"));
    EXPECT_EQ(list.Text(1), QStringLiteral("first"));

    EXPECT_TRUE(list.setData(list.index(1, 0), Qt::Checked, Qt::CheckStateRole));
    EXPECT_TRUE(list.Ticked(2));
    list.RemoveRow(1);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Text(1), QStringLiteral("second"));
    EXPECT_TRUE(list.Ticked(1));
    EXPECT_EQ(list.data(list.index(0, 1), Qt::DisplayRole).toString(), QStringLiteral("answer two"));
    list.SetAllTicked(true);
    EXPECT_TRUE(list.Ticked(2));
    EXPECT_THROW(list.RemoveRow(3), std::out_of_range);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.ColumnHeader(2), QStringLiteral("Answers"));
}

TEST(SettingsTest, IniValuesSurviveANewStoreAndNumbersReadStrictly) {
    QTemporaryDir folder;
    {
        IniSettingsStore store(folder.path());
        EXPECT_EQ(store.GetSetting(SettingsApplication, SettingsSection, QStringLiteral("Text1"),
                                   QStringLiteral("50")),
                  QStringLiteral("50"));
        store.SaveSetting(SettingsApplication, SettingsSection, QStringLiteral("Text1"), QString());
        store.SaveSetting(SettingsApplication, SettingsSection, QStringLiteral("Hide Answers"),
                          QStringLiteral("0"));
    }
    IniSettingsStore reopened(folder.path());
    EXPECT_EQ(reopened.GetSetting(SettingsApplication, SettingsSection, QStringLiteral("Text1"),
                                  QStringLiteral("50")),
              QString());
    EXPECT_EQ(reopened.GetSetting(SettingsApplication, SettingsSection,
                                  QStringLiteral("Hide Answers"), QStringLiteral("1")),
              QStringLiteral("0"));
    EXPECT_TRUE(QFile::exists(folder.filePath(QStringLiteral("Tarvellan.ini"))));

    EXPECT_EQ(SettingAsNumber(QStringLiteral("k"), QStringLiteral(" 2 ")), 2.0);
    EXPECT_EQ(SettingAsNumber(QStringLiteral("k"), QStringLiteral("0.0")), 0.0);
    for (const char* bad : {"", "abc", "1,000", "0x1"}) {
        EXPECT_THROW(SettingAsNumber(QStringLiteral("k"), QString::fromLatin1(bad)), std::runtime_error)
            << bad;
    }
}

}  // namespace
