// Reading riddle files large enough for the full read to be shared with a helper thread, with
// keys that have gaps and span the whole range of whole numbers.
#include "store/Connection.h"
#include "store/RecordSet.h"
#include "store/RiddleFile.h"
#include "store/StoreError.h"
#include "tests/support/RiddleFiles.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <set>

using namespace Qt::StringLiterals;

namespace {

// Ids 1 to 40,000 with every seventh missing; with far ones, also a few far apart at both ends
// of the range, which leave the rest a single chunk.
std::vector<RiddleRecord> GappedRiddles(bool farOnes) {
    std::vector<RiddleRecord> rows;
    for (const qint64 id : {std::numeric_limits<qint64>::min(), qint64(-5), qint64(1) << 40,
                            std::numeric_limits<qint64>::max()}) {
        if (farOnes) {
            rows.push_back({id, u"far %1"_s.arg(id), u"answer"_s});
        }
    }
    for (qint64 id = 1; id <= 40000; ++id) {
        if (id % 7 != 0) {
            rows.push_back(
                {id, u"riddle %1"_s.arg(id), id % 5 == 0 ? std::nullopt : std::optional(u"a"_s)});
        }
    }
    return rows;
}

class LargeFileTest : public testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        path = folder.MakeRiddleFile(u"large.mdb"_s, GappedRiddles(GetParam()));
        connection.Open(RiddleFile::ConnectionString(path));
    }
    void OpenQuery(RecordSet& records, const QString& sql = AllRiddles) {
        ::OpenQuery(records, connection, sql);
    }
    // The ids of the rows from the current one on, at most `most`, checking their texts.
    static std::vector<qint64> Ids(RecordSet& records, int most = -1) {
        std::vector<qint64> ids;
        for (; !records.Eof() && most-- != 0; records.MoveNext()) {
            const qint64 id = records.Fields(0).Value.toLongLong();
            EXPECT_TRUE(records.Fields(1).Value.toString().endsWith(QString::number(id))) << id;
            EXPECT_EQ(records.Fields(2).Value.isNull(), id > 0 && id <= 40000 && id % 5 == 0) << id;
            ids.push_back(id);
        }
        return ids;
    }
    std::vector<qint64> ReadIds(const QString& sql = AllRiddles, int most = -1) {
        RecordSet records;
        OpenQuery(records, sql);
        return Ids(records, most);
    }

    TestFolder folder;
    QString path;
    Connection connection;
};

TEST_P(LargeFileTest, FullReadGivesEveryRowOnceInKeyOrder) {
    std::vector<qint64> expected;
    for (const RiddleRecord& row : GappedRiddles(GetParam())) {
        expected.push_back(row.id);
    }
    std::sort(expected.begin(), expected.end());
    // Reads left half-way end, and the next one is whole.
    for (const int stop : {1, 4096, 4097, 9000, 30000}) {
        EXPECT_EQ(ReadIds(AllRiddles, stop).size(), static_cast<size_t>(stop));
    }
    EXPECT_EQ(ReadIds(), expected);

    // A full read inside another one reads on its own, and both stay whole.
    RecordSet outer;
    OpenQuery(outer);
    EXPECT_EQ(Ids(outer, 10000).size(), 10000u);
    EXPECT_EQ(ReadIds(), expected);
    const std::vector<qint64> rest = Ids(outer);
    EXPECT_TRUE(std::equal(rest.begin(), rest.end(), expected.begin() + 10000, expected.end()));

    // Keys with gaps still count and move right.
    RecordSet records;
    OpenQuery(records);
    EXPECT_EQ(records.RecordCount(), static_cast<qint64>(expected.size()));
    records.Move(20000);
    EXPECT_EQ(records.Fields(0).Value.toLongLong(), expected[20000]);
}

TEST_P(LargeFileTest, LargeRandomSelectionsAreReadInOnePassAndStayDistinct) {
    const std::vector<qint64> ids = ReadIds(RandomRiddles(30000));
    EXPECT_EQ(std::set<qint64>(ids.begin(), ids.end()).size(), 30000u);
    qint64 inOrder = 0;
    for (size_t i = 1; i < ids.size(); ++i) {
        inOrder += ids[i] > ids[i - 1] ? 1 : 0;
    }
    EXPECT_LT(inOrder, 20000);  // the rows come in the selection's random order, not the table's
}

// Whatever someone stores with a stock SQLCipher reaches the caller as stored, through the rows
// a helper thread packs and through a large random selection's packed rows alike.
TEST_P(LargeFileTest, NumbersAndBlobsComeThroughOnePassRowsAsStored) {
    connection.Close();
    EditWithStockSqlCipher(
        path, RiddleFile::PageSize,
        "UPDATE tblRiddles SET riddle = 2.5, answer = x'00ff41' WHERE id IN (3, 20000, 39999);"
        "UPDATE tblRiddles SET answer = '' WHERE id = 4");
    connection.Open(RiddleFile::ConnectionString(path));
    for (const QString& sql : {AllRiddles, RandomRiddles(50000)}) {
        SCOPED_TRACE(sql.toStdString());
        RecordSet records;
        OpenQuery(records, sql);
        int edited = 0;
        for (; !records.Eof(); records.MoveNext()) {
            const qint64 id = records.Fields(0).Value.toLongLong();
            if (id == 3 || id == 20000 || id == 39999) {
                ++edited;
                EXPECT_EQ(records.Fields(1).Value, QVariant(2.5));
                EXPECT_EQ(records.Fields(2).Value, QVariant(QByteArray::fromHex("00ff41")));
            } else {
                EXPECT_TRUE(records.Fields(1).Value.toString().endsWith(QString::number(id)));
            }
            if (id == 4) {  // empty text, which SQLite hands over without a pointer
                EXPECT_EQ(records.Fields(2).Value.typeId(), QMetaType::QString);
                EXPECT_EQ(records.Fields(2).Value.toString(), QString());
            }
        }
        EXPECT_EQ(edited, 3);
    }
}

TEST_P(LargeFileTest, DamageFoundByEitherThreadIsReportedAndNothingHangs) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const qint64 size = file.size();
    // Pages near the start, the middle and the end: whichever thread reads them reports.
    for (const qint64 at : {size / 3, size / 2, size - 3 * RiddleFile::PageSize}) {
        file.seek(at / RiddleFile::PageSize * RiddleFile::PageSize + 100);
        file.write(QByteArray(64, 'x'));
    }
    file.close();
    for (int attempt = 0; attempt < 3; ++attempt) {
        EXPECT_THROW(ReadIds(), StoreError);
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, LargeFileTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? "WithFarOnes" : "Close";
                         });

}  // namespace
