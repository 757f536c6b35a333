// Reading riddle files through the connection and record sets, including broken files.
#include "store/Connection.h"
#include "store/RecordSet.h"
#include "store/RiddleFile.h"
#include "store/SqlCipher.h"
#include "store/StoreError.h"
#include "tests/support/RiddleFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace Qt::StringLiterals;

namespace {

const QString AllRiddles = u"select * from tblRiddles"_s;

QString Top(int n) {
    return u"select top %1 * from tblRiddles ORDER BY Rnd([id])"_s.arg(n);
}

void OpenQuery(RecordSet& records, Connection& connection, const QString& sql) {
    records.Open(sql, connection, RecordSet::StaticCursor, RecordSet::ReadOnlyLock);
}

std::vector<QString> ReadRiddles(Connection& connection, const QString& sql) {
    RecordSet records;
    OpenQuery(records, connection, sql);
    std::vector<QString> riddles;
    while (!records.Eof()) {
        riddles.push_back(records.Fields(1).Value.toString());
        records.MoveNext();
    }
    records.Close();
    return riddles;
}

class RecordSetTest : public testing::Test {
protected:
    void Open(const QString& path) { connection.Open(RiddleFile::ConnectionString(path)); }

    TestFolder folder;
    Connection connection;
};

TEST_F(RecordSetTest, FullReadGivesEveryRowInKeyOrderWithNullsAsNull) {
    Open(folder.MakeRiddleFile(
        u"r.mdb"_s,
        {{3, u"three"_s, std::nullopt}, {1, u"one"_s, u"uno"_s}, {2, std::nullopt, u"dos"_s}}));
    RecordSet records;
    OpenQuery(records, connection, AllRiddles);
    EXPECT_EQ(records.Fields(0).Value.toLongLong(), 1);
    EXPECT_EQ(records.Fields(2).Value.toString(), u"uno"_s);
    records.MoveNext();
    EXPECT_TRUE(records.Fields(1).Value.isNull());
    records.MoveNext();
    EXPECT_TRUE(records.Fields(2).Value.isNull());
    records.MoveNext();
    EXPECT_TRUE(records.Eof());
    EXPECT_THROW(records.Fields(1), StoreError);
    EXPECT_THROW(records.MoveNext(), StoreError);
}

TEST_F(RecordSetTest, CountAndMoveReachTheRowAtThatPosition) {
    Open(folder.MakeRiddleFile(u"r.mdb"_s, NumberedRiddles(20)));
    RecordSet records;
    records.CursorLocation = RecordSet::ClientCursor;
    OpenQuery(records, connection, AllRiddles);
    records.MoveNext();
    EXPECT_EQ(records.RecordCount(), 20);
    records.Move(5);  // from the second row
    EXPECT_EQ(records.Fields(1).Value.toString(), u"Riddle 7"_s);
    records.MoveNext();
    EXPECT_EQ(records.Fields(1).Value.toString(), u"Riddle 8"_s);
    records.Move(12);
    EXPECT_EQ(records.Fields(1).Value.toString(), u"Riddle 20"_s);
    records.Move(1);
    EXPECT_TRUE(records.Eof());
    EXPECT_EQ(records.State(), 1);
    records.Close();
    EXPECT_EQ(records.State(), 0);
}

TEST_F(RecordSetTest, EmptyTableIsAtItsEndAtOnce) {
    Open(folder.MakeRiddleFile(u"r.mdb"_s, {}));
    RecordSet records;
    OpenQuery(records, connection, AllRiddles);
    EXPECT_TRUE(records.Eof());
    EXPECT_EQ(records.RecordCount(), 0);
    EXPECT_TRUE(ReadRiddles(connection, Top(5)).empty());
}

TEST_F(RecordSetTest, RandomSelectionIsUniformDistinctAndCappedAtTheTable) {
    quint64 seed = 42;
    Connection seeded([&seed] { return seed++; });
    seeded.Open(
        RiddleFile::ConnectionString(folder.MakeRiddleFile(u"r.mdb"_s, NumberedRiddles(10))));

    const std::vector<QString> everything = ReadRiddles(seeded, Top(50));
    EXPECT_EQ(everything.size(), 10u);
    EXPECT_EQ(std::set<QString>(everything.begin(), everything.end()).size(), 10u);

    // Which riddle comes first in 5000 selections of 3: every row, the first included, about
    // equally often (a fixed seed keeps this check from flaking).
    std::map<QString, int> firsts;
    for (int i = 0; i < 5000; ++i) {
        const std::vector<QString> three = ReadRiddles(seeded, Top(3));
        ASSERT_EQ(three.size(), 3u);
        ASSERT_EQ(std::set<QString>(three.begin(), three.end()).size(), 3u);
        ++firsts[three.front()];
    }
    ASSERT_EQ(firsts.size(), 10u);
    // Connections seeded by the system draw different orders, run after run.
    Connection first;
    Connection second;
    first.Open(RiddleFile::ConnectionString(folder.Path(u"r.mdb"_s)));
    second.Open(RiddleFile::ConnectionString(folder.Path(u"r.mdb"_s)));
    EXPECT_NE(ReadRiddles(first, Top(10)), ReadRiddles(second, Top(10)));
    for (const auto& [riddle, count] : firsts) {
        EXPECT_GT(count, 400) << riddle.toStdString();
        EXPECT_LT(count, 600) << riddle.toStdString();
    }
}

TEST_F(RecordSetTest, QueriesNeverChangeTheFile) {
    const QString path = folder.MakeRiddleFile(u"r.mdb"_s, NumberedRiddles(50));
    const QByteArray before = FileHash(path);
    const QDateTime modified = QFileInfo(path).lastModified();
    Open(path);
    ReadRiddles(connection, AllRiddles);
    ReadRiddles(connection, Top(10));
    RecordSet records;
    OpenQuery(records, connection, AllRiddles);
    records.Move(records.RecordCount() - 1);
    records.Close();
    connection.Close();
    EXPECT_EQ(FileHash(path), before);
    EXPECT_EQ(QFileInfo(path).lastModified(), modified);
    EXPECT_EQ(QDir(folder.Folder()).entryList(QDir::Files), QStringList{u"r.mdb"_s});
}

TEST_F(RecordSetTest, ClosedConnectionAndRefusedQueriesLeaveTheRecordSetClosed) {
    RecordSet records;
    EXPECT_THROW(OpenQuery(records, connection, AllRiddles), StoreError);
    EXPECT_EQ(records.State(), 0);
    Open(folder.MakeRiddleFile(u"r.mdb"_s, NumberedRiddles(3)));
    EXPECT_THROW(OpenQuery(records, connection, Top(0)), StoreError);
    EXPECT_THROW(records.Open(AllRiddles, connection, 1, 3), StoreError);
    EXPECT_EQ(records.State(), 0);
    EXPECT_THROW(Open(folder.Path(u"r.mdb"_s)), StoreError);  // already open
}

// Access files behind the same record sets: read once at the first query, never changed.
class LegacyFileRecordSetTest : public testing::Test {
protected:
    static QString Sample(const char* name) {
        return QStringLiteral(QUORVANE_SOURCE_DIR "/tests/data/jet/") + QString::fromLatin1(name);
    }
    void Open(const QString& path) { connection.Open(RiddleFile::ConnectionString(path)); }

    Connection connection{{}, QStringLiteral(LEGACY_READER)};
};

TEST_F(LegacyFileRecordSetTest, BothQueriesReadTheRowsAndTheFileStaysAsItWas) {
    const QString path = Sample("riddles-jet4-program-password.mdb");
    const QByteArray before = FileHash(path);
    Open(path);
    RecordSet records;
    OpenQuery(records, connection, AllRiddles);
    EXPECT_EQ(records.RecordCount(), 3);
    EXPECT_EQ(records.Fields(0).Value.toLongLong(), 1);
    EXPECT_EQ(records.Fields(2).Value.toString(), u"A piano"_s);
    records.Move(2);
    EXPECT_EQ(records.Fields(0).Value.toLongLong(), 3);
    records.MoveNext();
    EXPECT_TRUE(records.Eof());
    records.Close();

    std::set<QString> drawn;
    for (int i = 0; i < 20; ++i) {
        const std::vector<QString> two = ReadRiddles(connection, Top(2));
        ASSERT_EQ(two.size(), 2u);
        EXPECT_NE(two[0], two[1]);
        drawn.insert(two.begin(), two.end());
    }
    EXPECT_EQ(drawn.size(), 3u);  // every row comes up
    connection.Close();
    EXPECT_EQ(FileHash(path), before);

    Open(Sample("riddles-edge.mdb"));
    EXPECT_EQ(ReadRiddles(connection, AllRiddles).size(), 6u);
}

TEST_F(LegacyFileRecordSetTest, AFileWithoutTheTableOpensButItsFirstQueryIsRefused) {
    Open(Sample("emptyJet4.mdb"));  // the start-up looks at the header only
    RecordSet records;
    EXPECT_THROW(OpenQuery(records, connection, AllRiddles), StoreError);
    EXPECT_EQ(records.State(), 0);
}

// Files that are no riddle file of ours fail to open with a message naming what they are, and
// leave the connection closed. The broken riddle files themselves are in BrokenFileTableTest.
class BrokenFileTest : public RecordSetTest {
protected:
    void ExpectRefused(const QString& path, const char* messagePart) {
        try {
            Open(path);
            FAIL() << "opened " << path.toStdString();
        } catch (const StoreError& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find(messagePart), std::string::npos) << message;
        }
        EXPECT_EQ(connection.State(), 0);
    }
};

TEST_F(BrokenFileTest, OtherDatabasesAndOtherPasswordsAreNamed) {
    const QString samples = QStringLiteral(QUORVANE_SOURCE_DIR "/tests/data/jet/");
    ExpectRefused(samples + u"pw-V2000_with-password.mdb"_s,
                  "its password is not the program's. quorvane-riddles import --password");
    ExpectRefused(samples + u"db2007-enc.accdb"_s, "is an Access 2007 or later database");
    const QString plain = folder.WriteBytes(
        u"plain.mdb"_s, QByteArray("SQLite format 3\0", 16) + QByteArray(4080, '\0'));
    ExpectRefused(plain, "is an unencrypted SQLite database");
}

TEST_F(BrokenFileTest, MissingFile) {
    ExpectRefused(folder.Path(u"absent.mdb"_s), "cannot be opened");
    EXPECT_FALSE(QFile::exists(folder.Path(u"absent.mdb"_s)));
}

}  // namespace
