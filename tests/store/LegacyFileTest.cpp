// Access riddle files through the reader program: the samples' rows, and readers that fail,
// die, stall or stop part-way.
#include "store/LegacyFile.h"
#include "store/StoreError.h"
#include "tests/support/RiddleFiles.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString Reader = QStringLiteral(LEGACY_READER);

QString Sample(const char* name) {
    return QStringLiteral(QUORVANE_SOURCE_DIR "/tests/data/jet/") + QString::fromLatin1(name);
}

std::string RefusalOf(const QString& reader, const QString& path, int silenceMs = 5000) {
    try {
        ReadLegacyRiddles(reader, path, silenceMs);
    } catch (const StoreError& error) {
        return error.what();
    }
    return "read";
}

TEST(LegacyFileTest, SamplesGiveTheirRowsWithTextAndNullsIntact) {
    const std::vector<LegacyRow> rows = ReadLegacyRiddles(Reader, Sample("riddles-jet4.mdb"));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].id, u"1"_s);
    EXPECT_EQ(rows[0].answer, u"A piano"_s);
    EXPECT_EQ(rows[1].answer, u"Ein Handtuch (Gr\u00f6\u00dfe egal)"_s);
    EXPECT_TRUE(rows[2].riddle->contains(u"?? and writes \u6f22\u5b57"_s));  // outside the BMP: ??
    EXPECT_EQ(ReadLegacyRiddles(Reader, Sample("riddles-jet4-program-password.mdb")).size(), 3u);

    const std::vector<LegacyRow> edge = ReadLegacyRiddles(Reader, Sample("riddles-edge.mdb"));
    ASSERT_EQ(edge.size(), 6u);
    EXPECT_EQ(edge[3].riddle->count(u'\n'), 5000);  // the long riddle arrives whole
    EXPECT_TRUE(edge[3].riddle->endsWith(u"line 4999 \u00e4\u00f6\u00fc\n"_s));
    EXPECT_EQ(edge[4].answer, std::nullopt);
    EXPECT_EQ(edge[5].riddle, std::nullopt);  // a memo of no bytes
    EXPECT_EQ(edge[5].answer, u"empty riddle"_s);

    EXPECT_NE(RefusalOf(Reader, Sample("emptyJet4.mdb")).find("has no table tblRiddles"),
              std::string::npos);
    EXPECT_NE(RefusalOf(Reader, Sample("db-enc.mdb")).find("has no table tblRiddles"),
              std::string::npos);
}

TEST(LegacyFileTest, ReadersThatFailDieStallOrStopEarlyGiveTheDamagedReport) {
    TestFolder folder;
    const auto script = [&](const char* name, const QByteArray& body) {
        const QString path = folder.WriteBytes(QString::fromLatin1(name), "#!/bin/sh\n" + body);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
        return path;
    };
    const QString junk = folder.WriteBytes(u"junk.mdb"_s, QByteArray(5000, '\x5a'));
    for (const QString& reader :
         {Reader, script("cut", "printf 'R\\001\\005\\000'\n"), script("crash", "kill -SEGV $$\n"),
          script("trailing", "printf 'ER'\n")}) {
        const std::string refusal = RefusalOf(reader, junk);
        EXPECT_NE(refusal.find("is damaged"), std::string::npos) << refusal;
    }
    EXPECT_NE(RefusalOf(script("stall", "exec sleep 30\n"), junk, 200).find("is damaged"),
              std::string::npos);
    EXPECT_NE(RefusalOf(folder.Path(u"absent-reader"_s), junk).find("cannot be started"),
              std::string::npos);
    EXPECT_NE(RefusalOf(Reader, Sample("db2007-enc.accdb")).find("is damaged"), std::string::npos);
}

}  // namespace
