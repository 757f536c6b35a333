// What the first page of the legacy samples, and of our own files, says they are.
#include "store/DatabaseHeader.h"
#include "store/StoreError.h"
#include "tests/support/RiddleFiles.h"

#include <QFile>

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
        EXPECT_EQ(Jet4Password(head), QString::fromUtf8(GetParam().password));
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
    EXPECT_THROW(Jet4Password(jet3.left(0x90)), StoreError);
}

}  // namespace
