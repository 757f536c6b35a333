// The two query texts the store answers, and the texts it must refuse.
#include "store/ConnectionString.h"
#include "store/QueryText.h"
#include "store/StoreError.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Accepted {
    const char* name;
    const char* sql;
    RiddleQuery::Kind kind;
    int count;
};

class AcceptedQuery : public testing::TestWithParam<Accepted> {};

TEST_P(AcceptedQuery, IsRead) {
    const RiddleQuery query = ParseRiddleQuery(QString::fromUtf8(GetParam().sql));
    EXPECT_EQ(query.kind, GetParam().kind);
    EXPECT_EQ(query.count, GetParam().count);
}

constexpr auto All = RiddleQuery::Kind::AllRiddles;
constexpr auto Random = RiddleQuery::Kind::RandomSelection;

INSTANTIATE_TEST_SUITE_P(
    Forms, AcceptedQuery,
    testing::Values(
        Accepted{"All", "select * from tblRiddles", All, 0},
        Accepted{"AllOtherCase", "SELECT * FROM TBLRIDDLES", All, 0},
        Accepted{"AllExtraBlanks", "  select   *  from   tblRiddles  ", All, 0},
        Accepted{"Top", "select top 10 * from tblRiddles ORDER BY Rnd([id])", Random, 10},
        Accepted{"TopBlanksAroundCount", "select top  5  * from tblRiddles ORDER BY Rnd([id])",
                 Random, 5},
        Accepted{"TopLowerCase", "select top 7 * from tblriddles order by rnd([id])", Random, 7},
        Accepted{"TopWithoutBrackets", "select top 3 * from tblRiddles ORDER BY Rnd( id )", Random,
                 3},
        Accepted{"TopLargest", "select top 999999 * from tblRiddles ORDER BY Rnd([id])", Random,
                 999999},
        Accepted{"TopLeadingZeros", "select top 007 * from tblRiddles ORDER BY Rnd([id])", Random,
                 7}),
    [](const auto& info) { return std::string(info.param.name); });

struct Refused {
    const char* name;
    const char* sql;
    const char* messagePart;
};

class RefusedQuery : public testing::TestWithParam<Refused> {};

TEST_P(RefusedQuery, SaysWhatWasWrong) {
    try {
        ParseRiddleQuery(QString::fromUtf8(GetParam().sql));
        FAIL() << "accepted " << GetParam().sql;
    } catch (const StoreError& error) {
        EXPECT_NE(std::string(error.what()).find(GetParam().messagePart), std::string::npos)
            << error.what();
    }
}

constexpr const char* NotWhole = "is not a whole number from 1 to 999999";
constexpr const char* Unknown = "answers only";

INSTANTIATE_TEST_SUITE_P(
    Forms, RefusedQuery,
    testing::Values(
        Refused{"Zero", "select top 0 * from tblRiddles ORDER BY Rnd([id])", NotWhole},
        Refused{"Negative", "select top -5 * from tblRiddles ORDER BY Rnd([id])", NotWhole},
        Refused{"Fraction", "select top 2.5 * from tblRiddles ORDER BY Rnd([id])", NotWhole},
        Refused{"Exponent", "select top 1e3 * from tblRiddles ORDER BY Rnd([id])", NotWhole},
        Refused{"Grouping", "select top 1,000 * from tblRiddles ORDER BY Rnd([id])", NotWhole},
        Refused{"Million", "select top 1000000 * from tblRiddles ORDER BY Rnd([id])", NotWhole},
        Refused{"HugeNumber",
                "select top 99999999999999999999 * from tblRiddles ORDER BY Rnd([id])", NotWhole},
        Refused{"Sign", "select top +5 * from tblRiddles ORDER BY Rnd([id])", NotWhole},
        Refused{"Injection",
                "select top 1 * from tblRiddles; drop table tblRiddles; select top 1 * from "
                "tblRiddles ORDER BY Rnd([id])",
                NotWhole},
        Refused{"MissingCount", "select top * from tblRiddles ORDER BY Rnd([id])", NotWhole},
        Refused{"TopWithoutOrder", "select top 5 * from tblRiddles", Unknown},
        Refused{"OtherTable", "select * from sqlite_master", Unknown},
        Refused{"Columns", "select riddle from tblRiddles", Unknown}, Refused{"Empty", "", Unknown},
        Refused{"Delete", "delete from tblRiddles", Unknown}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ConnectionStringTest, ReadsPathAndPasswordAsTheStartUpWritesThem) {
    const ConnectionSettings settings = ParseConnectionString(
        QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source= /opt/a;b c/dbRiddles.mdb;"
                       "JET OLEDB:Database Password=lanternquietmoss"));
    EXPECT_EQ(settings.dataSource, u"/opt/a;b c/dbRiddles.mdb"_s);
    EXPECT_EQ(settings.password, u"lanternquietmoss"_s);
    EXPECT_THROW(ParseConnectionString(u"Provider=x;Password=y"_s), StoreError);
}

}  // namespace
