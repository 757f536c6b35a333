// The riddle tool as a user runs it: round trips, and the errors it stops with.
#include "store/RiddleFile.h"
#include "tests/support/RiddleFiles.h"
#include "tests/support/SpecialFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct ToolRun {
    int status;
    QByteArray out;
    QString err;
};

ToolRun RiddleTool(const QStringList& args) {
    QProcess tool;
    tool.start(QStringLiteral(RIDDLE_TOOL), args);
    tool.waitForFinished(120000);
    return {tool.exitCode(), tool.readAllStandardOutput(),
            QString::fromUtf8(tool.readAllStandardError()).trimmed()};
}

// Inputs kept under tests/data, where their exact bytes can be seen.
QString Data(const QString& name) {
    return SourceFile(u"tests/data/"_s + name);
}

class RiddleToolTest : public testing::Test {
protected:
    QString Tsv(const QByteArray& text) { return folder.WriteBytes(u"in.tsv"_s, text); }
    QString Out() const { return folder.Path(u"out.mdb"_s); }

    TestFolder folder;
};

TEST_F(RiddleToolTest, MakeThenDumpGivesTheRiddlesBackInIdOrderAndDumpsRoundTrip) {
    // Two-blank line breaks, alternatives, nulls and every escape (TAB, CR, LF, a backslash, \n
    // and a lone \N as text): first shuffled, then as the dump gives them back.
    const QByteArray sorted = ReadFile(Data(u"tools/sorted.tsv"_s));
    for (const QString& input : {u"tools/shuffled.tsv"_s, u"tools/sorted.tsv"_s}) {
        ASSERT_EQ(RiddleTool({u"make"_s, Data(input), Out()}).status, 0);
        const ToolRun dump = RiddleTool({u"dump"_s, Out()});
        EXPECT_EQ(dump.status, 0);
        EXPECT_EQ(dump.out, sorted) << input.toStdString();
    }
}

TEST_F(RiddleToolTest, MalformedLineStopsWithItsNumberAndLeavesNoFile) {
    // One line each: the input's name, then what the tool says after the input's path.
    const QDir cases(Data(u"tools/malformed"_s));
    const QStringList messages = QString::fromUtf8(ReadFile(cases.filePath(u"messages.txt"_s)))
                                     .split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(messages.size(), 8);
    for (const QString& message : messages) {
        const ToolRun run =
            RiddleTool({u"make"_s, cases.filePath(message.section(u':', 0, 0)), Out()});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err.toStdString(), cases.filePath(message).toStdString());
        EXPECT_EQ(Entries(folder.Folder()), QStringList());
    }
}

TEST_F(RiddleToolTest, FailedMakeKeepsTheOldFile) {
    ASSERT_EQ(RiddleTool({u"make"_s, Tsv("1\told\triddle\n"), Out()}).status, 0);
    const QByteArray before = FileHash(Out());
    EXPECT_EQ(RiddleTool({u"make"_s, Tsv("1\tnew\triddle\n2\tbroken\n"), Out()}).status, 1);
    EXPECT_EQ(FileHash(Out()), before);
}

// The package links the program folder's riddle file to /var/lib: a file made through links
// replaces the one they lead to, and the links stay.
TEST_F(RiddleToolTest, MakeThroughLinksReplacesTheFileTheyLeadTo) {
    const QString real = folder.Path(u"real.mdb"_s);
    ASSERT_EQ(RiddleTool({u"make"_s, Tsv("1\told\triddle\n"), real}).status, 0);
    if (const QString why = MakeSymbolicLink(u"real.mdb"_s, folder.Path(u"inner.mdb"_s));
        !why.isEmpty()) {
        GTEST_SKIP() << why.toStdString();
    }
    ASSERT_EQ(MakeSymbolicLink(folder.Path(u"inner.mdb"_s), Out()), QString());
    ASSERT_EQ(RiddleTool({u"make"_s, Tsv("1\tnew\triddle\n"), Out()}).status, 0);
    EXPECT_TRUE(QFileInfo(Out()).isSymLink() && QFileInfo(folder.Path(u"inner.mdb"_s)).isSymLink());
    EXPECT_EQ(RiddleTool({u"dump"_s, real}).out, "id\triddle\tanswer\n1\tnew\triddle\n");
    EXPECT_EQ(Entries(folder.Folder()),
              (QStringList{u"in.tsv"_s, u"inner.mdb"_s, u"out.mdb"_s, u"real.mdb"_s}));
}

// A file made under another password dumps only with it; lines may end in CR LF, and blank lines
// are passed over.
TEST_F(RiddleToolTest, FileOfAnotherPasswordDumpsOnlyWithIt) {
    ASSERT_EQ(RiddleTool({u"make"_s, Tsv("\r\n1\ta\tb\r\n\n"), Out(), u"--password"_s, u"other"_s})
                  .status,
              0);
    EXPECT_EQ(RiddleTool({u"dump"_s, Out()}).status, 1);
    EXPECT_EQ(RiddleTool({u"dump"_s, Out(), u"--password"_s, u"other"_s}).out,
              "id\triddle\tanswer\n1\ta\tb\n");
}

TEST_F(RiddleToolTest, CommandLineDecidesTheStatusAndWhatIsSaid) {
    const QString missing = folder.Path(u"missing.tsv"_s);
    const struct {
        const char* name;
        QStringList args;
        int status;
        const char* out;  // how standard output starts
        QString err;
    } rows[] = {
        {"MissingInput", {u"make"_s, missing, Out()}, 1, "", missing + u": no such file"_s},
        {"MissingOutput", {u"make"_s, Tsv("1\ta\tb\n")}, 2, "", {}},
        {"UnknownOption", {u"dump"_s, Out(), u"--colour"_s}, 2, "", {}},
        {"Version", {u"--version"_s}, 0, "quorvane-riddles ", {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const ToolRun run = RiddleTool(row.args);
        EXPECT_EQ(run.status, row.status);
        EXPECT_TRUE(run.out.startsWith(row.out)) << run.out.toStdString();
        if (!row.err.isEmpty()) {
            EXPECT_EQ(run.err, row.err);
        }
    }
}

TEST_F(RiddleToolTest, AccessFilesDumpAndImportAsTheyAre) {
    const QString edge = Data(u"jet/riddles-edge.mdb"_s);
    ASSERT_EQ(RiddleTool({u"import"_s, edge, Out()}).status, 0);
    const QByteArray dumped = RiddleTool({u"dump"_s, Out()}).out;
    EXPECT_EQ(dumped, RiddleTool({u"dump"_s, edge}).out);

    const QString other = Data(u"jet/pw-V2000_with-password.mdb"_s);
    const ToolRun opened = RiddleTool({u"import"_s, other, Out(), u"--password"_s, u"password"_s});
    EXPECT_EQ(opened.status, 1);
    EXPECT_TRUE(opened.err.contains(u"has no table tblRiddles"_s)) << opened.err.toStdString();
}

TEST_F(RiddleToolTest, ImportStopsAtAMissingOrRepeatedIdAndWritesNothing) {
    const QString loose = folder.Path(u"loose.mdb"_s);
    EditWithStockSqlCipher(loose, RiddleFile::PageSize,
                           "CREATE TABLE tblRiddles(id, riddle, answer);"
                           "INSERT INTO tblRiddles VALUES (1, 'a', 'b'), (1, 'c', 'd')");
    const QString out = folder.Path(u"new.mdb"_s);
    ToolRun run = RiddleTool({u"import"_s, loose, out});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.endsWith(u"row 2: the id 1 was already used by row 1"_s))
        << run.err.toStdString();
    EditWithStockSqlCipher(loose, RiddleFile::PageSize,
                           "UPDATE tblRiddles SET id = NULL WHERE riddle = 'a'");
    run = RiddleTool({u"import"_s, loose, out});
    EXPECT_TRUE(run.err.endsWith(u"row 1: the id is not a whole number"_s))
        << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(out));
}

TEST_F(RiddleToolTest, GenerateIsDeterministicForASeed) {
    const QString other = folder.Path(u"other.mdb"_s);
    for (const QString& path : {Out(), other}) {
        ASSERT_EQ(RiddleTool({u"generate"_s, u"300"_s, path, u"--seed"_s, u"9"_s}).status, 0);
    }
    const QByteArray first = RiddleTool({u"dump"_s, Out()}).out;
    EXPECT_EQ(first, RiddleTool({u"dump"_s, other}).out);
    EXPECT_EQ(first.count('\n'), 301);
    EXPECT_TRUE(first.contains("  ")) << "some riddles have line breaks";
    EXPECT_TRUE(first.contains(", ")) << "some answers list alternatives";
}

}  // namespace
