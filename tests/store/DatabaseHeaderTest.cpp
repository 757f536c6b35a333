// What the first page of the legacy samples, and of our own files, says they are, and the files
// refused at opening for it.
#include "store/Connection.h"
#include "store/DatabaseHeader.h"
#include "store/RiddleFile.h"
#include "store/StoreError.h"
#include "tests/support/RiddleFiles.h"

#include <QFile>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using testing::HasSubstr;
using testing::ThrowsMessage;

namespace {

QByteArray Head(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(4096) : QByteArray();
}

// Samples without a password open, so read as having none, in RecordSetTest.
TEST(DatabaseHeaderTest, SampleGivesItsKindAndPassword) {
    const QByteArray head = Head(JetSample("pw-V2003_with-password.mdb"));
    ASSERT_FALSE(head.isEmpty());
    EXPECT_EQ(KindOfDatabase(head), DatabaseKind::Jet4);
    EXPECT_EQ(AccessPassword(head), u"password"_s);
}

TEST(DatabaseHeaderTest, OwnFilesPlainSqliteAndScrapsAreToldApart) {
    TestFolder folder;
    EXPECT_EQ(KindOfDatabase(Head(folder.MakeRiddleFile(u"ours.mdb"_s, NumberedRiddles(2)))),
              DatabaseKind::Other);
    EXPECT_EQ(KindOfDatabase(QByteArray("SQLite format 3\0rest", 20)), DatabaseKind::Sqlite);
    QByteArray jet3 = Head(JetSample("riddles-jet4.mdb"));
    jet3[0x14] = 0;
    EXPECT_EQ(KindOfDatabase(jet3), DatabaseKind::Jet3);
    EXPECT_EQ(KindOfDatabase(jet3.left(0x14)), DatabaseKind::Other);
    EXPECT_EQ(KindOfDatabase(QByteArray()), DatabaseKind::Other);
    EXPECT_THROW(AccessPassword(jet3.left(0x90)), StoreError);
}

// A Jet 3 header whose password field holds this text; the mask is the one published with the
// Access 97 file format, so the header's decoding is checked against an outside source.
QByteArray Jet3Head(const QByteArray& password) {
    static constexpr unsigned char Mask[20] = {0x86, 0xFB, 0xEC, 0x37, 0x5D, 0x44, 0x9C,
                                               0xFA, 0xC6, 0x5E, 0x28, 0xE6, 0x13, 0xB6,
                                               0x8A, 0x60, 0x54, 0x94, 0x7B, 0x36};
    QByteArray head = Head(JetSample("riddles-jet4.mdb"));
    head[0x14] = 0;
    for (qsizetype i = 0; i < 20; ++i) {
        const char plain = i < password.size() ? password[i] : '\0';
        head[0x42 + i] = static_cast<char>(plain ^ static_cast<char>(Mask[i]));
    }
    return head;
}

TEST(DatabaseHeaderTest, Jet3PasswordIsTwentyMaskedBytesOfTheWindowsCodePage) {
    EXPECT_EQ(AccessPassword(Jet3Head("")), QString());
    EXPECT_EQ(AccessPassword(Jet3Head("lanternquietmoss")), u"lanternquietmoss"_s);
    EXPECT_EQ(AccessPassword(Jet3Head("K\xe4se\x80-twenty-chars")), u"Käse€-twenty-chars"_s);
}

// Files that are no riddle file of ours fail to open with a message naming what they are, and
// leave the connection closed. Broken riddle files of ours are in BrokenFileTest.
TEST(DatabaseHeaderTest, OtherDatabasesPasswordsAndMissingFilesAreRefusedAtOpening) {
    TestFolder folder;
    const QByteArray plainSqlite = QByteArray("SQLite format 3\0", 16) + QByteArray(4080, '\0');
    const struct {
        const char* name;
        QString path;
        const char* refusal;
    } files[] = {
        {"Jet4OtherPassword", JetSample("pw-V2000_with-password.mdb"),
         "its password is not the program's. quorvane-riddles import --password"},
        {"Jet3OtherPassword", folder.WriteBytes(u"old.mdb"_s, Jet3Head("other")),
         "its password is not the program's. quorvane-riddles import --password"},
        {"Access2007", JetSample("db2007-enc.accdb"), "is an Access 2007 or later database"},
        {"PlainSqlite", folder.WriteBytes(u"plain.mdb"_s, plainSqlite),
         "is an unencrypted SQLite database"},
        {"Missing", folder.Path(u"absent.mdb"_s), "cannot be opened"},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        Connection connection;
        EXPECT_THAT([&] { connection.Open(RiddleFile::ConnectionString(file.path)); },
                    ThrowsMessage<StoreError>(HasSubstr(file.refusal)));
        EXPECT_EQ(connection.State(), 0);
    }
    EXPECT_FALSE(QFile::exists(folder.Path(u"absent.mdb"_s)));
    // Without a password an Access 97 file opens; its rows would be read at the first query.
    EXPECT_NE(OpenRiddleSource(folder.WriteBytes(u"open.mdb"_s, Jet3Head("")),
                               u"lanternquietmoss"_s, nullptr, u"/nonexistent"_s),
              nullptr);
}

}  // namespace
