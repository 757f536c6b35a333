// Broken riddle files give their exact outcome through the program's store (a report, or the
// rows that load). Damaged copies of the Access samples give one or the other, and never crash or
// stall; readers that fail, die, stall or stop part-way give the damaged report.
#include "store/Connection.h"
#include "store/RecordSet.h"
#include "store/RiddleFile.h"
#include "store/StoreError.h"
#include "store/legacy/LegacyFile.h"
#include "tests/support/RiddleFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <random>
#include <string>

using namespace Qt::StringLiterals;

namespace {

struct StoreOutcome {
    QString report;       // empty when every row was read
    QStringList riddles;  // of a read without a report
};

StoreOutcome ReadThroughStore(const QString& path) {
    StoreOutcome outcome;
    try {
        Connection connection({}, QStringLiteral(LEGACY_READER));
        connection.Open(RiddleFile::ConnectionString(path));
        for (const auto& row : ReadRows(connection, AllRiddles)) {
            outcome.riddles.push_back(row[1].toString());
        }
    } catch (const StoreError& error) {
        outcome = {QString::fromUtf8(error.what()), {}};
    }
    return outcome;
}

constexpr const char* NotOurs =
    "The riddle file %1 cannot be read: it is not a riddle file, or its password is not the "
    "program's.";
constexpr const char* Damaged = "The riddle file %1 is damaged.";
constexpr const char* NoTable = "The riddle file %1 has no table tblRiddles.";

class BrokenFileTest : public testing::Test {
protected:
    TestFolder folder;
};

struct BrokenFile {
    const char* name;    // of the file in tests/data/store, whose README says how it was made
    const char* report;  // with %1 for the file; nullptr when the rows load
    int rows;
    QString firstRiddle;  // as the record set gives it
};

TEST_F(BrokenFileTest, StoreGivesEachFileOfTheCorpusItsOutcome) {
    const BrokenFile corpus[] = {
        {"WrongKey", NotOurs, 0, {}},
        {"Junk", NotOurs, 0, {}},
        {"ZeroLength", NoTable, 0, {}},
        {"CutInsideTheFirstPage", NotOurs, 0, {}},
        {"CutAfterTheFirstPage", Damaged, 0, {}},
        {"CutInHalf", Damaged, 0, {}},
        {"SwappedPages", Damaged, 0, {}},
        {"NoTable", NoTable, 0, {}},
        {"TwoColumns",
         "The table tblRiddles in %1 needs three columns: id, riddle and answer.",
         0,
         {}},
        {"NullTexts", nullptr, 2, QString()},
        {"MegabyteRiddle", nullptr, 1, QString(1 << 20, u'x')},
        {"InvalidUtf8", nullptr, 1, u"A\ufffdB\ufffd"_s},
    };
    folder.MakeRiddleFile(u"MegabyteRiddle.mdb"_s, {{1, QString(1 << 20, u'x'), u"a"_s}});
    for (const BrokenFile& file : corpus) {
        SCOPED_TRACE(file.name);
        const QString name = QString::fromLatin1(file.name) + u".mdb"_s;
        const QString path = folder.Path(name);
        if (!QFile::exists(path)) {
            ASSERT_TRUE(QFile::copy(SourceFile(u"tests/data/store/"_s + name), path));
        }
        const StoreOutcome store = ReadThroughStore(path);
        EXPECT_EQ(store.report,
                  file.report == nullptr
                      ? QString()
                      : QString::fromUtf8(file.report).arg(QDir::toNativeSeparators(path)));
        EXPECT_EQ(store.riddles.size(), file.rows);
        EXPECT_TRUE(store.riddles.value(0) == file.firstRiddle);  // a megabyte prints badly
    }
}

// Made with a fixed seed: bit flips, cuts at and between 4 KB pages, overwritten pages.
QByteArray DamagedCopy(const QByteArray& whole, int variant, std::mt19937& random) {
    constexpr qsizetype Page = 4096;
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

// A damaged copy is read whole, read with some texts changed (the format has no checksums to
// tell), or refused with one of the reports a broken file gets; never another failure.
TEST_F(BrokenFileTest, EveryDamagedAccessCopyGivesRowsOrABrokenFilesReport) {
    const QStringList brokenFileReports = {u" is damaged."_s,
                                           u" has no table tblRiddles."_s,
                                           u"fewer than three columns"_s,
                                           u"it is not a riddle file"_s,
                                           u"which this program cannot read"_s,
                                           u"its password is not the program's"_s};
    std::mt19937 random(2026);
    std::map<std::string, int> outcomes;
    for (const char* sample : {"riddles-jet4.mdb", "riddles-edge.mdb", "db-enc.mdb"}) {
        QFile file(JetSample(sample));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray whole = file.readAll();
        const StoreOutcome original = ReadThroughStore(JetSample(sample));
        for (int variant = 0; variant < 50; ++variant) {
            SCOPED_TRACE(std::string(sample) + " variant " + std::to_string(variant));
            const QString path =
                folder.WriteBytes(u"damaged.mdb"_s, DamagedCopy(whole, variant, random));
            const StoreOutcome damaged = ReadThroughStore(path);
            if (!damaged.report.isEmpty()) {
                EXPECT_TRUE(
                    std::any_of(brokenFileReports.begin(), brokenFileReports.end(),
                                [&](const QString& kind) { return damaged.report.contains(kind); }))
                    << damaged.report.toStdString();
                ++outcomes["reported"];
            } else {
                ++outcomes[damaged.riddles == original.riddles ? "read whole" : "read changed"];
            }
        }
    }
    for (const auto& [outcome, count] : outcomes) {
        std::printf("%s: %d\n", outcome.c_str(), count);
    }
    EXPECT_GT(outcomes["reported"], 0);
}

std::string RefusalOf(const QString& reader, const QString& path, int silenceMs = 5000) {
    try {
        ReadLegacyRiddles(reader, path, silenceMs);
    } catch (const StoreError& error) {
        return error.what();
    }
    return "read";
}

TEST_F(BrokenFileTest, AccessReadersThatFailDieStallOrStopEarlyGiveTheDamagedReport) {
    using testing::HasSubstr;
    const auto fake = [&](const QString& name) {  // a copy of the stand-in, named for its failure
        const QString path =
            folder.Path(name + u'-' + QFileInfo(QStringLiteral(FAKE_READER)).fileName());
        QFile::copy(QStringLiteral(FAKE_READER), path);
        return path;
    };
    const QString reader = QStringLiteral(LEGACY_READER);
    const QString junk = folder.WriteBytes(u"junk.mdb"_s, QByteArray(5000, '\x5a'));
    for (const QString& failing : {reader, fake(u"cut"_s), fake(u"crash"_s), fake(u"trailing"_s)}) {
        EXPECT_THAT(RefusalOf(failing, junk), HasSubstr("is damaged"));
    }
    EXPECT_THAT(RefusalOf(fake(u"stall"_s), junk, 200), HasSubstr("is damaged"));
    EXPECT_THAT(RefusalOf(folder.Path(u"absent-reader"_s), junk), HasSubstr("cannot be started"));
    EXPECT_THAT(RefusalOf(reader, JetSample("db2007-enc.accdb")), HasSubstr("is damaged"));
}

}  // namespace
