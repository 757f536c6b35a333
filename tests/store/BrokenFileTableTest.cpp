// A corpus of broken riddle files, made here since an encrypted file cannot be written by hand.
// Each gives its exact outcome through the program's store (a report, or the rows that load) and
// through quorvane-riddles dump (one line of error and a failing exit, or the rows).
#include "store/Connection.h"
#include "store/RecordSet.h"
#include "store/RiddleFile.h"
#include "store/SqlCipher.h"
#include "store/StoreError.h"
#include "tests/support/RiddleFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// A file written with SQL through the program's own key and page size.
QString WithSql(TestFolder& folder, const QByteArray& sql) {
    const QString path = folder.Path(u"broken.mdb"_s);
    QFile::remove(path);
    sqlcipher::Database db(path, RiddleFile::Password, sqlcipher::Access::Create);
    db.Execute(
        ("PRAGMA cipher_page_size = " + QByteArray::number(RiddleFile::PageSize)).constData());
    db.Execute(sql.constData());
    return path;
}

// A riddle table holding these rows, given as an SQL VALUES list.
QString WithRows(TestFolder& folder, const char* values) {
    return WithSql(folder, QByteArray("CREATE TABLE tblRiddles(id INTEGER PRIMARY KEY, riddle, "
                                      "answer); INSERT INTO tblRiddles VALUES ") +
                               values);
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A good file of 3,000 riddles, as bytes to break.
QByteArray Good(TestFolder& folder) {
    return Bytes(folder.MakeRiddleFile(u"good.mdb"_s, NumberedRiddles(3000)));
}

constexpr const char* NotOurs =
    "The riddle file %1 cannot be read: it is not a riddle file, or its password is not the "
    "program's.";

struct BrokenFile {
    const char* name;
    std::function<QString(TestFolder&)> make;
    const char* report;  // with %1 for the file; nullptr when the rows load
    int rows;
};

void PrintTo(const BrokenFile& file, std::ostream* out) {
    *out << file.name;
}

const BrokenFile Corpus[] = {
    {"WrongKey",
     [](TestFolder& f) { return f.MakeRiddleFile(u"b.mdb"_s, NumberedRiddles(3), u"other"_s); },
     NotOurs, 0},
    {"Junk", [](TestFolder& f) { return f.WriteBytes(u"b.mdb"_s, QByteArray(5000, '\x5a')); },
     NotOurs, 0},
    {"ZeroLength", [](TestFolder& f) { return f.WriteBytes(u"b.mdb"_s, {}); },
     "The riddle file %1 has no table tblRiddles.", 0},
    {"CutInsideTheFirstPage",
     [](TestFolder& f) { return f.WriteBytes(u"b.mdb"_s, Good(f).left(100)); }, NotOurs, 0},
    {"CutAfterTheFirstPage",
     [](TestFolder& f) { return f.WriteBytes(u"b.mdb"_s, Good(f).left(RiddleFile::PageSize)); },
     "The riddle file %1 is damaged.", 0},
    {"CutInHalf",
     [](TestFolder& f) {
         const QByteArray good = Good(f);
         return f.WriteBytes(u"b.mdb"_s, good.left(good.size() / 2));
     },
     "The riddle file %1 is damaged.", 0},
    {"SwappedPages",
     [](TestFolder& f) {
         QByteArray bytes = Good(f);
         const qsizetype page = RiddleFile::PageSize;
         const QByteArray third = bytes.mid(3 * page, page);
         bytes.replace(3 * page, page, bytes.mid(5 * page, page));
         bytes.replace(5 * page, page, third);
         return f.WriteBytes(u"b.mdb"_s, bytes);
     },
     "The riddle file %1 is damaged.", 0},
    {"NoTable", [](TestFolder& f) { return WithSql(f, "CREATE TABLE other(x)"); },
     "The riddle file %1 has no table tblRiddles.", 0},
    {"TwoColumns", [](TestFolder& f) { return WithSql(f, "CREATE TABLE tblRiddles(id, riddle)"); },
     "The table tblRiddles in %1 needs three columns: id, riddle and answer.", 0},
    {"NullTexts", [](TestFolder& f) { return WithRows(f, "(1, NULL, 'a'), (2, 'r', NULL)"); },
     nullptr, 2},
    {"MegabyteRiddle",
     [](TestFolder& f) { return WithRows(f, "(1, printf('%.*c', 1048576, 'x'), 'a')"); }, nullptr,
     1},
    {"InvalidUtf8",
     [](TestFolder& f) { return WithRows(f, "(1, CAST(x'41ff42c0' AS TEXT), 'a')"); }, nullptr, 1},
};

class BrokenFileTable : public testing::TestWithParam<BrokenFile> {};

TEST_P(BrokenFileTable, StoreAndToolGiveTheFilesOutcome) {
    TestFolder folder;
    const QString path = GetParam().make(folder);
    int rows = 0;
    QString report;
    try {
        Connection connection;
        connection.Open(RiddleFile::ConnectionString(path));
        RecordSet records;
        records.Open(u"select * from tblRiddles"_s, connection, RecordSet::StaticCursor,
                     RecordSet::ReadOnlyLock);
        for (; !records.Eof(); records.MoveNext()) {
            const QVariant riddle = records.Fields(1).Value;
            if (rows == 0 && QByteArrayView(GetParam().name) == "MegabyteRiddle") {
                EXPECT_EQ(riddle.toString().size(), 1 << 20);
            }
            if (QByteArrayView(GetParam().name) == "InvalidUtf8") {
                EXPECT_EQ(riddle.toString(), u"A\ufffdB\ufffd"_s);
            }
            ++rows;
        }
    } catch (const StoreError& error) {
        report = QString::fromUtf8(error.what());
    }
    QProcess tool;
    tool.start(QStringLiteral(RIDDLE_TOOL), {u"dump"_s, path});
    ASSERT_TRUE(tool.waitForFinished(30000));
    const QString err = QString::fromUtf8(tool.readAllStandardError());
    const QByteArray out = tool.readAllStandardOutput();
    if (GetParam().report != nullptr) {
        const QString expected =
            QString::fromUtf8(GetParam().report).arg(QDir::toNativeSeparators(path));
        EXPECT_EQ(report, expected);
        EXPECT_EQ(tool.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(tool.exitCode(), 1);
        EXPECT_EQ(err.count(u'\n'), 1) << err.toStdString();
        EXPECT_TRUE(err.contains(expected)) << err.toStdString();
    } else {
        EXPECT_EQ(report, QString());
        EXPECT_EQ(rows, GetParam().rows);
        EXPECT_EQ(tool.exitCode(), 0) << err.toStdString();
        EXPECT_EQ(out.count('\n'), GetParam().rows + 1);  // the header line, then the rows
    }
}

INSTANTIATE_TEST_SUITE_P(Corpus, BrokenFileTable, testing::ValuesIn(Corpus),
                         [](const testing::TestParamInfo<BrokenFile>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
