// Text files byte for byte, spreadsheets read back from their XML, and every way an export ends.
#include "app/ErrorReport.h"
#include "app/PointerSetting.h"
#include "browser/ResultList.h"
#include "export/Spreadsheet.h"
#include "export/TextExport.h"
#include "export/XlsxSpreadsheet.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/RiddleFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <unistd.h>

#include <gtest/gtest.h>

namespace {

class FakePointer final : public PointerSetting {
public:
    int MousePointer() const override { return value; }
    void SetMousePointer(int v) override { value = v; }
    int value = Default;
};

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

class ExportTest : public testing::Test {
protected:
    ExportTest() {
        list.AddColumn(QStringLiteral("Riddles"));
        list.AddColumn(QStringLiteral("Answers"));
    }
    void AddRow(const QString& text, const QString& answer, bool ticked) {
        const int row = list.AddRow(text);
        list.SetSubItem(row, 1, answer);
        list.SetTicked(row, ticked);
    }
    QString SaveAs(const QString& path) {
        fake.saveDialog.answers = {path};
        ErrorTrap trap(fake.messages, QStringLiteral("Form3"), QStringLiteral("PushButton4_Click"));
        SaveResultsAsText(list.Snapshot(), lastName, fake.saveDialog, pointer, fake.events, trap);
        return path;
    }
    void Send() {
        ErrorTrap trap(fake.messages, QStringLiteral("Form2"), QStringLiteral("PushButton13_Click"));
        SendResultsToSpreadsheet(list.Snapshot(), fake.spreadsheets, fake.messages, pointer,
                                 fake.events, trap);
    }

    TestFolder folder;
    ResultList list;
    FakeWindowServices fake;
    FakePointer pointer;
    QString lastName;
};

TEST_F(ExportTest, TextFileHasTheHeaderLineAndALinePerRowByteForByte) {
    EXPECT_EQ(ReadFile(SaveAs(folder.Path(QStringLiteral("empty")))), "Riddles\tAnswers\t\r\n");

    AddRow(QStringLiteral("One\tinside"), QStringLiteral("line\r\nbreak"), true);
    AddRow(QStringLiteral("Unticked"), QStringLiteral("hidden"), false);
    AddRow(QStringLiteral("Caf\u00e9 \u20ac \u2713 \U0001F600"), QString(), true);
    list.AddRow(QStringLiteral("No answer set"));
    list.SetTicked(4, true);
    EXPECT_EQ(ReadFile(SaveAs(folder.Path(QStringLiteral("mixed.txt")))).toStdString(), std::string(
              "Riddles\tAnswers\t\r\n"
              "One\tinside\tline\r\nbreak\t\r\n"
              "\r\n"
              "Caf\xe9 \x80 ? ?\t\t\r\n"
              "No answer set\t\t\r\n"));
    list.SetAllTicked(false);
    EXPECT_EQ(ReadFile(SaveAs(folder.Path(QStringLiteral("mixed.txt")))),
              "Riddles\tAnswers\t\r\n\r\n\r\n\r\n\r\n");
    EXPECT_EQ(ToWindows1252(QStringLiteral("\x1a\u2713")), QByteArray("\x1a?"));
    EXPECT_EQ(pointer.value, PointerSetting::Default);
    EXPECT_TRUE(fake.messages.errors.isEmpty());
}

TEST_F(ExportTest, DialogStartsFromTheLastNameAndCancelWritesNothing) {
    const QString first = SaveAs(folder.Path(QStringLiteral("first.txt")));
    SaveAs(QString());
    EXPECT_EQ(fake.saveDialog.initialNames, (QStringList{QString(), first}));
    EXPECT_EQ(fake.saveDialog.titles.first(),
              QStringLiteral("Save List Text Files (*.txt)|*.txt|All Files (*.*)|*.*|"));
    EXPECT_EQ(QDir(folder.Folder()).entryList(QDir::Files), QStringList{QStringLiteral("first.txt")});
    EXPECT_TRUE(fake.messages.messages.isEmpty() && fake.messages.errors.isEmpty());
}

TEST_F(ExportTest, UnwritableTargetGivesOneReportAndLeavesTheOldFile) {
    AddRow(QStringLiteral("riddle"), QStringLiteral("answer"), true);
    SaveAs(folder.Path(QStringLiteral("missing/folder/out.txt")));
    ASSERT_EQ(fake.messages.errors.size(), 1);
    EXPECT_TRUE(fake.messages.errors[0].contains(QStringLiteral("Form3.PushButton4_Click at line 5")));
    EXPECT_EQ(pointer.value, PointerSetting::Default);

    ASSERT_TRUE(QDir(folder.Folder()).mkdir(QStringLiteral("a folder")));
    SaveAs(folder.Path(QStringLiteral("a folder")));
    EXPECT_EQ(fake.messages.errors.size(), 2);
    EXPECT_TRUE(QFileInfo(folder.Path(QStringLiteral("a folder"))).isDir());

    // A folder that may not be written: the old file stays as it was. Root may write anyway.
    const QString old = folder.WriteBytes(QStringLiteral("old.txt"), "keep me");
    QFile::setPermissions(folder.Folder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    SaveAs(old);
    QFile::setPermissions(folder.Folder(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ExeOwner);
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes into folders that may not be written";
    }
    EXPECT_EQ(fake.messages.errors.size(), 3);
    EXPECT_EQ(ReadFile(old), "keep me");
}

TEST_F(ExportTest, ReloadWhileEventsRunDoesNotReachTheExport) {
    AddRow(QStringLiteral("before"), QStringLiteral("a"), true);
    AddRow(QStringLiteral("second"), QStringLiteral("b"), true);
    fake.events.runAt = 2;
    fake.events.during = [this] {
        list.Clear();
        AddRow(QStringLiteral("after"), QStringLiteral("z"), true);
    };
    EXPECT_EQ(ReadFile(SaveAs(folder.Path(QStringLiteral("out.txt")))),
              "Riddles\tAnswers\t\r\nbefore\ta\t\r\nsecond\tb\t\r\n");
    EXPECT_EQ(list.Count(), 1);
}

TEST_F(ExportTest, SpreadsheetGetsHeadersRowsInPlaceAndNoEqualsInSubItems) {
    AddRow(QStringLiteral("=SUM(1)"), QStringLiteral("a=b=c"), true);
    AddRow(QStringLiteral("skipped"), QStringLiteral("x"), false);
    AddRow(QStringLiteral("third"), QStringLiteral("=1"), true);
    Send();
    EXPECT_EQ(fake.spreadsheets.log.calls,
              (QStringList{QStringLiteral("workbook"), QStringLiteral("header 1,1 Riddles"),
                           QStringLiteral("fit 1"), QStringLiteral("header 1,2 Answers"),
                           QStringLiteral("fit 2"), QStringLiteral("cell 2,1 =SUM(1)"),
                           QStringLiteral("cell 2,2 abc"), QStringLiteral("cell 4,1 third"),
                           QStringLiteral("cell 4,2 1"), QStringLiteral("fit all"),
                           QStringLiteral("visible")}));
    EXPECT_EQ(pointer.value, PointerSetting::Default);
}

TEST_F(ExportTest, SpreadsheetRefusalsComeBeforeAnythingStarts) {
    fake.spreadsheets.installed = false;
    AddRow(QStringLiteral("r"), QStringLiteral("a"), true);
    Send();
    EXPECT_EQ(fake.messages.messages,
              (QStringList{QStringLiteral("Excel is not installed on this computer. You need to have "
                                          "it installed to use this software without error."),
                           QStringLiteral("Excel is not installed on this computer. You need to have "
                                          "it installed to use this feature.")}));

    fake.spreadsheets.installed = true;
    fake.messages.messages.clear();
    list.Clear();
    Send();  // an empty list: nothing at all
    for (int i = 0; i < MaxSpreadsheetRows + 1; ++i) {
        list.AddRow(QStringLiteral("r"));
    }
    Send();
    EXPECT_EQ(fake.messages.messages, QStringList{QStringLiteral("Excel can hold only 65,000 rows.")});
    EXPECT_TRUE(fake.spreadsheets.log.calls.isEmpty());
    list.RemoveRow(1);
    Send();
    EXPECT_EQ(fake.spreadsheets.log.calls.last(), QStringLiteral("visible"));
}

TEST_F(ExportTest, ProgramThatStopsAnsweringIsReportedOnceAndThePointerComesBack) {
    for (int i = 0; i < 100; ++i) {
        AddRow(QStringLiteral("r"), QStringLiteral("a"), true);
    }
    fake.spreadsheets.log.failAfter = 10;
    Send();
    ASSERT_EQ(fake.messages.errors.size(), 1);
    EXPECT_TRUE(fake.messages.errors[0].contains(QStringLiteral("Form2.PushButton13_Click at line 8")));
    EXPECT_EQ(fake.spreadsheets.log.calls.size(), 10);
    EXPECT_EQ(pointer.value, PointerSetting::Default);
}

TEST_F(ExportTest, XlsxHoldsStringCellsAndOpensInTheFoundProgram) {
    QStringList started;
    ProgramLookup lookup{[](const QString& name) {
                             return name == u"localc" ? QStringLiteral("/usr/bin/localc") : QString();
                         },
                         [] { return QString(); },
                         [&started](const QString& program, const QStringList& arguments) {
                             started = QStringList{program} + arguments;
                             return true;
                         }};
    const QString odd = folder.Path(QStringLiteral("a b; \"c\" $(x)"));
    DesktopSpreadsheets desktop(lookup, odd);
    auto sheet = desktop.Create();
    sheet->AddWorkbook();
    sheet->SetHeaderCell(1, 1, QStringLiteral("Riddles"));
    sheet->SetCellValue(2, 1, QStringLiteral("=1+1"));
    sheet->SetCellValue(4, 2, QStringLiteral("caf\u00e9 & <b>"));
    sheet->AutofitAllColumns();
    sheet->SetVisible(true);

    ASSERT_EQ(started.size(), 3);
    EXPECT_EQ(started.mid(0, 2), (QStringList{QStringLiteral("/usr/bin/localc"), QStringLiteral("-n")}));
    EXPECT_TRUE(started[2].startsWith(odd + u'/')) << started[2].toStdString();
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), started[2],
                                          QStringLiteral("xl/worksheets/sheet1.xml")});
    ASSERT_TRUE(unzip.waitForFinished());
    const QString xml = QString::fromUtf8(unzip.readAllStandardOutput());
    EXPECT_TRUE(xml.contains(QStringLiteral("<c r=\"A2\" t=\"inlineStr\"><is><t>=1+1</t>"))) << xml.toStdString();
    EXPECT_TRUE(xml.contains(QStringLiteral("caf\u00e9 &amp; &lt;b&gt;")));
    EXPECT_FALSE(xml.contains(QStringLiteral("<f>")));  // no formula anywhere
    EXPECT_TRUE(xml.contains(QStringLiteral("<row r=\"4\"")) && !xml.contains(QStringLiteral("<row r=\"3\"")));

    const ProgramLookup nothing{[](const QString&) { return QString(); }, [] { return QString(); },
                                [](const QString&, const QStringList&) { return false; }};
    EXPECT_FALSE(FindSpreadsheetProgram(nothing).has_value());
    EXPECT_THROW(DesktopSpreadsheets(nothing, odd).Create(), std::runtime_error);
}

}  // namespace
