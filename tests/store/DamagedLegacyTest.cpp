// Damaged copies of the Access samples, made with a fixed seed: bit flips, cuts at and between
// 4 KB pages, overwritten pages. Each gives its rows or a report, through the store and through
// the tool, and never crashes or stalls either.
#include "store/Connection.h"
#include "store/RecordSet.h"
#include "store/RiddleFile.h"
#include "store/StoreError.h"
#include "tests/support/RiddleFiles.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <random>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype Page = 4096;

QByteArray Damaged(const QByteArray& whole, int variant, std::mt19937& random) {
    QByteArray bytes = whole;
    const auto anywhere = [&](qsizetype size) {
        return std::uniform_int_distribution<qsizetype>(0, size - 1)(random);
    };
    switch (variant % 4) {
        case 0:  // a few bits flipped anywhere
            for (int i = 0; i < 1 + variant % 7; ++i) {
                bytes[anywhere(bytes.size())] ^= static_cast<char>(1 << (variant % 8));
            }
            break;
        case 1:  // cut at a page boundary
            bytes.truncate(Page * (1 + anywhere(bytes.size() / Page - 1)));
            break;
        case 2:  // cut inside a page
            bytes.truncate(anywhere(bytes.size()));
            break;
        default:  // one page overwritten with noise
            for (qsizetype at = Page * anywhere(bytes.size() / Page), end = at + Page; at < end;
                 ++at) {
                bytes[at] = static_cast<char>(random());
            }
    }
    return bytes;
}

TEST(DamagedLegacyTest, EveryDamagedCopyGivesRowsOrAReport) {
    TestFolder folder;
    std::mt19937 random(2026);
    int reported = 0;
    int read = 0;
    for (const char* sample : {"riddles-jet4.mdb", "riddles-edge.mdb", "db-enc.mdb"}) {
        QFile file(QStringLiteral(QUORVANE_SOURCE_DIR "/tests/data/jet/") +
                   QString::fromLatin1(sample));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray whole = file.readAll();
        for (int variant = 0; variant < 50; ++variant) {
            const QString path =
                folder.WriteBytes(u"damaged.mdb"_s, Damaged(whole, variant, random));
            try {
                Connection connection({}, QStringLiteral(LEGACY_READER));
                connection.Open(RiddleFile::ConnectionString(path));
                RecordSet records;
                records.Open(u"select * from tblRiddles"_s, connection, RecordSet::StaticCursor,
                             RecordSet::ReadOnlyLock);
                while (!records.Eof()) {
                    records.Fields(1);
                    records.MoveNext();
                }
                ++read;
            } catch (const StoreError&) {
                ++reported;
            }
            QProcess tool;
            tool.start(QStringLiteral(RIDDLE_TOOL), {u"dump"_s, path});
            ASSERT_TRUE(tool.waitForFinished(30000)) << sample << " variant " << variant;
            EXPECT_EQ(tool.exitStatus(), QProcess::NormalExit) << sample << " variant " << variant;
            EXPECT_LE(tool.exitCode(), 1) << sample << " variant " << variant;
        }
    }
    EXPECT_EQ(read + reported, 150);
    EXPECT_GT(reported, 0);
}

}  // namespace
