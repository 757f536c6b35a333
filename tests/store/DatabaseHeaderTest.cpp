// What the first page of the legacy samples, and of our own files, says they are.
#include "store/Connection.h"
#include "store/DatabaseHeader.h"
#include "store/StoreError.h"
#include "tests/support/RiddleFiles.h"

#include <QFile>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray Head(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(4096) : QByteArray();
}

QString Sample(const char* name) {
    return QStringLiteral(QUORVANE_SOURCE_DIR "/tests/data/jet/") + QString::fromLatin1(name);
}

struct SampleCase {
    const char* name;
    const char* file;
    DatabaseKind kind;
    const char* password;  // nullptr: not a Jet 4 file
};

void PrintTo(const SampleCase& row, std::ostream* out) {
    *out << row.name;
}

class LegacySample : public testing::TestWithParam<SampleCase> {};

TEST_P(LegacySample, HeaderGivesItsKindAndPassword) {
    const QByteArray head = Head(Sample(GetParam().file));
    ASSERT_FALSE(head.isEmpty()) << GetParam().file;
    EXPECT_EQ(KindOfDatabase(head), GetParam().kind);
    if (GetParam().password != nullptr) {
        EXPECT_EQ(AccessPassword(head), QString::fromUtf8(GetParam().password));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Samples, LegacySample,
    testing::Values(SampleCase{"NoPassword", "riddles-jet4.mdb", DatabaseKind::Jet4, ""},
                    SampleCase{"ProgramPassword", "riddles-jet4-program-password.mdb",
                               DatabaseKind::Jet4, "lanternquietmoss"},
                    SampleCase{"Edge", "riddles-edge.mdb", DatabaseKind::Jet4, ""},
                    SampleCase{"Access2000Password", "pw-V2000_with-password.mdb",
                               DatabaseKind::Jet4, "password"},
                    SampleCase{"Access2003Password", "pw-V2003_with-password.mdb",
                               DatabaseKind::Jet4, "password"},
                    SampleCase{"Encoded", "db-enc.mdb", DatabaseKind::Jet4, ""},
                    SampleCase{"Empty", "emptyJet4.mdb", DatabaseKind::Jet4, ""},
                    SampleCase{"Access2007", "db2007-enc.accdb", DatabaseKind::Ace, nullptr}),
    [](const testing::TestParamInfo<SampleCase>& info) { return std::string(info.param.name); });

TEST(DatabaseHeaderTest, OwnFilesPlainSqliteAndScrapsAreToldApart) {
    TestFolder folder;
    EXPECT_EQ(KindOfDatabase(Head(folder.MakeRiddleFile(u"ours.mdb"_s, NumberedRiddles(2)))),
              DatabaseKind::Other);
    EXPECT_EQ(KindOfDatabase(QByteArray("SQLite format 3\0rest", 20)), DatabaseKind::Sqlite);
    QByteArray jet3 = Head(Sample("riddles-jet4.mdb"));
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
    QByteArray head = Head(Sample("riddles-jet4.mdb"));
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

TEST(DatabaseHeaderTest, Jet3FileWithAnotherPasswordIsRefusedAtOpening) {
    TestFolder folder;
    const QString path = folder.WriteBytes(u"old.mdb"_s, Jet3Head("other"));
    try {
        OpenRiddleSource(path, u"lanternquietmoss"_s, nullptr, u"/nonexistent"_s);
        FAIL() << "opened a file with another password";
    } catch (const StoreError& error) {
        EXPECT_THAT(error.what(), testing::HasSubstr("import --password"));
    }
    // Without a password the file opens; its rows would be read at the first query.
    EXPECT_NE(OpenRiddleSource(folder.WriteBytes(u"open.mdb"_s, Jet3Head("")),
                               u"lanternquietmoss"_s, nullptr, u"/nonexistent"_s),
              nullptr);
}

}  // namespace
