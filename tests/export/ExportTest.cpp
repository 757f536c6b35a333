// Text files byte for byte, spreadsheets read back from their XML, and every way an export ends.
#include "export/AnsiCodePage.h"
#include "export/Spreadsheet.h"
#include "export/TextExport.h"
#include "export/XlsxFile.h"
#include "export/XlsxSpreadsheet.h"
#include "kit/ErrorReport.h"
#include "kit/Seams.h"
#include "results/ResultList.h"
#include "tests/export/ExportFixture.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/RiddleFiles.h"
#include "tests/support/SpecialFiles.h"
#include "tests/support/TinyDisk.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <ranges>

#include <gtest/gtest.h>
#include <zlib.h>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype MaxCellLengthForTest = 32767;  // the longest text a spreadsheet cell holds

// The first sheet's XML inside an .xlsx file, found by its local header in the ZIP file.
QString SheetXml(const QString& path) {
    QByteArray zip = ReadFile(path);
    const qsizetype at = zip.indexOf("xl/worksheets/sheet1.xml") - 30;
    if (at < 0) {
        return {};
    }
    char* header = zip.data() + at;
    QByteArray xml(qFromLittleEndian<quint32>(header + 22), '\0');
    z_stream stream{};
    inflateInit2(&stream, -MAX_WBITS);  // raw deflate, as ZIP files hold it
    stream.next_in =
        reinterpret_cast<Bytef*>(header + 30 + qFromLittleEndian<quint16>(header + 26) +
                                 qFromLittleEndian<quint16>(header + 28));
    stream.avail_in = qFromLittleEndian<quint32>(header + 18);
    stream.next_out = reinterpret_cast<Bytef*>(xml.data());
    stream.avail_out = static_cast<uInt>(xml.size());
    const bool whole = inflate(&stream, Z_FINISH) == Z_STREAM_END;
    inflateEnd(&stream);
    return whole ? QString::fromUtf8(xml) : QString();
}

class ExportTest : public ExportFixture {
protected:
    QString SaveAs(const QString& path) {
        fake.saveDialog.answers = {path};
        ErrorTrap trap(fake.messages, u"Form3"_s, u"PushButton4_Click"_s);
        SaveResultsAsText(list.Snapshot(), lastChoice, fake.saveDialog, pointer, fake.events, trap);
        return path;
    }
    using ExportFixture::Send;
    void Send() { Send(fake.spreadsheets); }

    TestFolder folder;
    SaveChoice lastChoice;
};

TEST_F(ExportTest, TextFileHasTheHeaderLineAndALinePerRowByteForByte) {
    EXPECT_EQ(ReadFile(SaveAs(folder.Path(u"empty"_s))), "Riddles\tAnswers\t\r\n");

    AddRow(u"One\tinside"_s, u"line\r\nbreak"_s, true);
    AddRow(u"Unticked"_s, u"hidden"_s, false);
    AddRow(u"Caf\u00e9 \u20ac \u2713 \U0001F600"_s, QString(), true);
    list.AddRow(u"No answer set"_s);
    list.SetTicked(4, true);
    EXPECT_EQ(ReadFile(SaveAs(folder.Path(u"mixed.txt"_s))).toStdString(),
              std::string("Riddles\tAnswers\t\r\n"
                          "One\tinside\tline\r\nbreak\t\r\n"
                          "\r\n"
                          "Caf\xe9 \x80 ? ?\t\t\r\n"
                          "No answer set\t\t\r\n"));
    EXPECT_EQ(ToAnsiCodePage(u"\x1a\u2713"_s), QByteArray("\x1a?"));
    EXPECT_EQ(pointer.value, Pointer::Default);
    EXPECT_TRUE(fake.messages.errors.isEmpty());
}

TEST_F(ExportTest, DialogStartsFromTheLastNameAndCancelWritesNothing) {
    const QString first = SaveAs(folder.Path(u"first.txt"_s));
    SaveAs(QString());
    EXPECT_EQ(fake.saveDialog.initialNames, (QStringList{QString(), first}));
    EXPECT_EQ(QDir(folder.Folder()).entryList(QDir::Files), QStringList{u"first.txt"_s});
    EXPECT_TRUE(fake.messages.messages.isEmpty() && fake.messages.errors.isEmpty());
}

TEST_F(ExportTest, FullDiskKeepsTheOldFileAndGivesOneReport) {
    const TinyDisk disk(folder.Path(u"disk"_s));
    if (!disk.Mounted()) {
        GTEST_SKIP() << disk.WhyNot().toStdString();
    }
    const QString old = folder.WriteBytes(u"disk/old.txt"_s, "old text");
    disk.Fill();
    // Small enough to sit in a write buffer until the file is closed.
    AddRow(u"riddle"_s, u"answer"_s, true);
    SaveAs(old);
    ASSERT_EQ(fake.messages.errors.size(), 1);
    EXPECT_TRUE(fake.messages.errors[0].contains(u"No space left on device"_s));
    EXPECT_EQ(ReadFile(old), "old text");
    EXPECT_EQ(Entries(folder.Path(u"disk"_s)), (QStringList{u"filler"_s, u"old.txt"_s}));

    ASSERT_TRUE(QFile::remove(folder.Path(u"disk/filler"_s)));  // room again: the next save lands
    SaveAs(old);
    EXPECT_EQ(fake.messages.errors.size(), 1);
    EXPECT_TRUE(ReadFile(old).startsWith("Riddles\t"));
}

TEST_F(ExportTest, TargetThatCannotBeWrittenGivesOneReportAndIsLeftAsItWas) {
    AddRow(u"riddle"_s, u"answer"_s, true);
    const QStringList special = MakeSpecialFiles(folder.Folder());
    ASSERT_TRUE(QDir(folder.Folder()).mkdir(u"folder"_s));
    const QStringList before = Entries(folder.Folder());
    const QString missing = folder.Path(u"missing/out.txt"_s);
    for (const QString& path : special + QStringList{folder.Path(u"folder"_s), missing}) {
        SCOPED_TRACE(path.toStdString());
        fake.messages.ClearReports();
        SaveAs(path);
        EXPECT_EQ(fake.messages.places, QStringList{u"Form3.PushButton4_Click at line 5"_s});
        EXPECT_EQ(fake.messages.errors.value(0).contains(u"not a regular file"_s), path != missing);
        EXPECT_FALSE(QFileInfo(path).isFile());
        EXPECT_EQ(pointer.value, Pointer::Default);
    }
    EXPECT_EQ(Entries(folder.Folder()), before);
}

TEST_F(ExportTest, ReloadWhileEventsRunDoesNotReachTheExport) {
    AddRow(u"before"_s, u"a"_s, true);
    AddRow(u"second"_s, u"b"_s, true);
    fake.events.runAt = 2;
    fake.events.during = [this] {
        list.Clear();
        AddRow(u"after"_s, u"z"_s, true);
    };
    EXPECT_EQ(ReadFile(SaveAs(folder.Path(u"out.txt"_s))),
              "Riddles\tAnswers\t\r\nbefore\ta\t\r\nsecond\tb\t\r\n");
    EXPECT_EQ(list.Count(), 1);
}

TEST_F(ExportTest, SpreadsheetGetsHeadersRowsInPlaceAndNoEqualsInSubItems) {
    AddRow(u"=SUM(1)"_s, u"a=b=c"_s, true);
    AddRow(u"skipped"_s, u"x"_s, false);
    AddRow(u"third"_s, u"=1"_s, true);
    Send();
    EXPECT_EQ(
        fake.spreadsheets.log.calls,
        (QStringList{u"workbook"_s, u"header 1,1 Riddles"_s, u"fit 1"_s, u"header 1,2 Answers"_s,
                     u"fit 2"_s, u"cell 2,1 =SUM(1)"_s, u"cell 2,2 abc"_s, u"cell 4,1 third"_s,
                     u"cell 4,2 1"_s, u"fit all"_s, u"visible"_s}));
    EXPECT_EQ(pointer.value, Pointer::Default);
}

TEST_F(ExportTest, SpreadsheetRefusalsComeBeforeAnythingStarts) {
    fake.spreadsheets.installed = false;
    AddRow(u"r"_s, u"a"_s, true);
    Send();
    EXPECT_EQ(
        fake.messages.messages,
        (QStringList{QStringLiteral("Excel is not installed on this computer. You need to have "
                                    "it installed to use this software without error."),
                     QStringLiteral("Excel is not installed on this computer. You need to have "
                                    "it installed to use this feature.")}));

    fake.spreadsheets.installed = true;
    fake.messages.messages.clear();
    list.Clear();
    Send();                             // an empty list: nothing at all
    for (int i = 0; i < 65'001; ++i) {  // 65,000 rows go, 65,001 are refused
        list.AddRow(u"r"_s);
    }
    Send();
    EXPECT_EQ(fake.messages.messages, QStringList{u"Excel can hold only 65,000 rows."_s});
    EXPECT_TRUE(fake.spreadsheets.log.calls.isEmpty());
    list.RemoveRow(1);
    Send();
    EXPECT_EQ(fake.spreadsheets.log.calls.last(), u"visible"_s);
}

TEST_F(ExportTest, SpreadsheetFailingAtEachStepGivesOneReportAndThePointerBack) {
    AddRow(u"r1"_s, u"a1"_s, true);
    AddRow(u"r2"_s, u"a2"_s, false);
    // The handler's line failing after n calls: the workbook, two headers with their fits, the
    // two cells, fitting all, showing it. Every later call fails too, so a second report would
    // show an export that went on after its first failure.
    const int lines[] = {6, 7, 7, 7, 7, 8, 8, 9, 10};
    for (int failAfter = 0; failAfter < int(std::size(lines)); ++failAfter) {
        SCOPED_TRACE(failAfter);
        fake.messages.ClearReports();
        fake.spreadsheets.log = {{}, failAfter};
        Send();
        EXPECT_EQ(fake.messages.places,
                  QStringList{u"Form2.PushButton13_Click at line %1"_s.arg(lines[failAfter])});
        EXPECT_EQ(fake.spreadsheets.log.calls.size(), failAfter);
        EXPECT_EQ(pointer.value, Pointer::Default);
    }
    fake.spreadsheets.log = {};
    Send();  // the next attempt goes through
    EXPECT_EQ(fake.messages.errors.size(), 1);
    EXPECT_EQ(fake.spreadsheets.log.calls.size(), std::size(lines));

    fake.messages.ClearReports();
    fake.spreadsheets.givesNone = true;  // a provider that starts nothing
    Send();
    EXPECT_EQ(fake.messages.places, QStringList{u"Form2.PushButton13_Click at line 5"_s});
    EXPECT_EQ(pointer.value, Pointer::Default);
}

TEST_F(ExportTest, XlsxCutsLongCellsBetweenCharactersAndRefusedCellsFail) {
    const QString emoji = u"\U0001F600"_s;
    const QString pairAtTheLimit = QString(MaxCellLengthForTest - 1, u'a') + emoji + u"tail"_s;
    EXPECT_EQ(CellText(pairAtTheLimit), QString(MaxCellLengthForTest - 1, u'a'));
    EXPECT_EQ(CellText(QString(40000, u'b')), QString(MaxCellLengthForTest, u'b'));
    EXPECT_EQ(CellText(emoji), emoji);

    const QString path = folder.Path(u"long.xlsx"_s);
    WriteXlsx(path, {{pairAtTheLimit, QString(40000, u'b')}}, {});
    const QString xml = SheetXml(path);
    EXPECT_TRUE(xml.contains(u"<t>"_s + QString(MaxCellLengthForTest - 1, u'a') + u"</t>"_s));
    EXPECT_TRUE(xml.contains(u"<t>"_s + QString(MaxCellLengthForTest, u'b') + u"</t>"_s));
    EXPECT_FALSE(xml.contains(QChar::ReplacementCharacter));

    std::vector<QString> tooWide(16385);  // one column past the sheet's last
    tooWide.back() = u"x"_s;
    EXPECT_THROW(WriteXlsx(folder.Path(u"wide.xlsx"_s), {tooWide}, {}), std::runtime_error);
}

TEST_F(ExportTest, XlsxHoldsStringCellsAndOpensInAProgramLookedForOnceAnExport) {
    QString found;  // the one program this desktop has, also its default for .xlsx files
    int defaultAsked = 0;
    QStringList started;
    const ProgramLookup lookup{
        [&found](const QString& name) { return name == found ? u"/usr/bin/"_s + name : QString(); },
        [&] {
            ++defaultAsked;
            return found;
        },
        [&started](const QString& program, const QStringList& arguments) {
            started = QStringList{program} + arguments;
            return true;
        }};
    const QString odd = folder.Path(u"a b; 'c' $(x) %PATH%"_s);  // no shell may read it
    DesktopSpreadsheets desktop(lookup, odd);
    AddRow(u"=1+1"_s, u"x"_s, true);
    AddRow(u"skipped"_s, u"x"_s, false);
    AddRow(u"caf\u00e9 & <b>"_s, u"x"_s, true);
    // Asking the desktop for its default application is slow: an export asks it once.
    found = u"xdg-open"_s;
    Send(desktop);
    EXPECT_EQ(defaultAsked, 1);
    EXPECT_TRUE(started.value(0).endsWith(found));
    found = u"gnumeric"_s;  // the next export looks again
    Send(desktop);
    ASSERT_EQ(started.size(), 2);
    EXPECT_TRUE(started[0].endsWith(found));
    EXPECT_TRUE(started[1].startsWith(odd + u'/')) << started[1].toStdString();
    const QString xml = SheetXml(started[1]);
    EXPECT_TRUE(xml.contains(u"<c r=\"A2\" t=\"inlineStr\"><is><t>=1+1</t>"_s))
        << xml.toStdString();
    EXPECT_TRUE(xml.contains(u"caf\u00e9 &amp; &lt;b&gt;"_s));
    EXPECT_FALSE(xml.contains(u"<f>"_s));  // no formula anywhere
    EXPECT_TRUE(xml.contains(u"<row r=\"4\""_s) && !xml.contains(u"<row r=\"3\""_s));
    EXPECT_TRUE(fake.messages.errors.isEmpty());

    found.clear();  // no program at all
    EXPECT_THROW(DesktopSpreadsheets(lookup, odd).Create(), std::runtime_error);
}

TEST_F(ExportTest, ANewSpreadsheetRemovesTheProgramsOlderOnesAndNothingElse) {
    const QDateTime start = QDateTime::currentDateTime().addSecs(-3600);
    const struct {
        const char* name;
        int minutesAfterStart;
        bool kept;
    } files[] = {
        {"Results 2024-05-01 09.00.00.000.xlsx", -60, false},  // from an earlier run
        {"Results 2024-05-01 10.03.00.000.xlsx", 3, true},     // the oldest of this run
        {"Results 2024-05-01 10.04.00.000.xlsx", 4, true},
        {"Results 2024-05-01 10.05.00.000.xlsx", 5, true},
        {"Results 2024-05-01 09.00.00.xlsx", -60, true},  // not a name the program gives
        {"notes.xlsx", -60, true},
    };
    const QString runtime = folder.Path(u"runtime"_s);
    const auto path = [&runtime](const char* name) {
        return runtime + u'/' + QString::fromUtf8(name);
    };
    ASSERT_TRUE(QDir().mkdir(runtime));
    for (const auto& file : files) {
        QFile made(path(file.name));
        ASSERT_TRUE(made.open(QIODevice::WriteOnly) && made.write(file.name) > 0 && made.flush() &&
                    made.setFileTime(start.addSecs(file.minutesAfterStart * 60),
                                     QFileDevice::FileModificationTime));
    }
    // A link named as an export, to a file outside: neither goes. Where the system makes no link
    // there is none to keep.
    const QString outside = folder.WriteBytes(u"outside.xlsx"_s, "outside");
    const bool linked =
        MakeSymbolicLink(outside, path("Results 2024-05-01 08.00.00.000.xlsx")).isEmpty();
    QFile held(path(files[0].name));
    ASSERT_TRUE(held.open(QIODevice::ReadOnly));  // as a spreadsheet program may hold it

    const ProgramLookup lookup{[](const QString& name) { return u"/usr/bin/"_s + name; },
                               [] { return u"calc"_s; },
                               [](const QString&, const QStringList&) {
                                   return true;
                               }};
    DesktopSpreadsheets desktop(lookup, runtime, start);
    AddRow(u"r"_s, u"a"_s, true);
    Send(desktop);
    for (const auto& file : files | std::views::drop(1)) {
        EXPECT_EQ(QFile::exists(path(file.name)), file.kept) << file.name;
    }
    // Removed while held, or on Windows, which removes no file held open, left for a later export.
    EXPECT_EQ(held.readAll(), QByteArray(files[0].name));
    held.close();
    EXPECT_EQ(ReadFile(outside), "outside");

    Send(desktop);
    Send(desktop);  // six exports of this run: the oldest goes
    EXPECT_FALSE(QFile::exists(path(files[0].name)));
    EXPECT_FALSE(QFile::exists(path(files[1].name)));
    EXPECT_EQ(Entries(runtime).size(), 7 + int{linked});  // with three new exports
    EXPECT_TRUE(fake.messages.errors.isEmpty());
}

}  // namespace
