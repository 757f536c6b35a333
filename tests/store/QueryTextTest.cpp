// The two query texts the store answers, and the texts it must refuse.
#include "store/QueryText.h"
#include "store/StoreError.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using testing::HasSubstr;
using testing::ThrowsMessage;

namespace {

QString Top(const char* count) {
    return u"select top %1 * from tblRiddles ORDER BY Rnd([id])"_s.arg(QLatin1StringView(count));
}

constexpr const char* NotWhole = "is not a whole number from 1 to 999999";
constexpr const char* Unknown = "answers only";

struct QueryCase {
    const char* name;
    QString sql;
    int count;                      // 0 for all riddles
    const char* refusal = nullptr;  // part of the message when the text is refused
};

TEST(QueryTextTest, TheTwoFormsAreReadAndEveryOtherTextIsRefused) {
    const QueryCase cases[] = {
        {"All", u"select * from tblRiddles"_s, 0},
        {"AllOtherCase", u"SELECT * FROM TBLRIDDLES"_s, 0},
        {"AllExtraBlanks", u"  select   *  from   tblRiddles  "_s, 0},
        {"Top", Top("10"), 10},
        {"TopBlanksAroundCount", Top(" 5 "), 5},
        {"TopLowerCase", u"select top 7 * from tblriddles order by rnd([id])"_s, 7},
        {"TopWithoutBrackets", u"select top 3 * from tblRiddles ORDER BY Rnd( id )"_s, 3},
        {"TopLargest", Top("999999"), 999999},
        {"TopLeadingZeros", Top("007"), 7},
        {"Zero", Top("0"), 0, NotWhole},
        {"Negative", Top("-5"), 0, NotWhole},
        {"Fraction", Top("2.5"), 0, NotWhole},
        {"Exponent", Top("1e3"), 0, NotWhole},
        {"Grouping", Top("1,000"), 0, NotWhole},
        {"Million", Top("1000000"), 0, NotWhole},
        {"HugeNumber", Top("99999999999999999999"), 0, NotWhole},
        {"Sign", Top("+5"), 0, NotWhole},
        {"Injection", Top("1 * from tblRiddles; drop table tblRiddles; select top 1"), 0, NotWhole},
        {"MissingCount", u"select top * from tblRiddles ORDER BY Rnd([id])"_s, 0, NotWhole},
        {"TopWithoutOrder", u"select top 5 * from tblRiddles"_s, 0, Unknown},
        {"OtherTable", u"select * from sqlite_master"_s, 0, Unknown},
        {"Columns", u"select riddle from tblRiddles"_s, 0, Unknown},
        {"AllThenMore", u"select * from tblRiddles where id = 1"_s, 0, Unknown},
        {"AllOfAnotherTable", u"select * from tblRiddlesOld"_s, 0, Unknown},
        {"Empty", u""_s, 0, Unknown},
        {"Delete", u"delete from tblRiddles"_s, 0, Unknown},
    };
    for (const QueryCase& row : cases) {
        SCOPED_TRACE(row.name);
        if (row.refusal != nullptr) {
            EXPECT_THAT([&] { ParseRiddleQuery(row.sql); },
                        ThrowsMessage<StoreError>(HasSubstr(row.refusal)));
            continue;
        }
        const RiddleQuery query = ParseRiddleQuery(row.sql);
        EXPECT_EQ(query.kind, row.count == 0 ? RiddleQuery::Kind::AllRiddles
                                             : RiddleQuery::Kind::RandomSelection);
        EXPECT_EQ(query.count, row.count);
    }
}

}  // namespace
