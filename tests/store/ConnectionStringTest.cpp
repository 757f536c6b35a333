// What the store reads from the connection string the start-up writes.
#include "store/ConnectionString.h"
#include "store/StoreError.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(ConnectionStringTest, ReadsThePathAsTheStartUpWritesIt) {
    const ConnectionSettings settings = ParseConnectionString(
        QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source= /opt/a;b c/dbRiddles.mdb;"
                       "JET OLEDB:Database Password=lanternquietmoss"));
    EXPECT_EQ(settings.dataSource, u"/opt/a;b c/dbRiddles.mdb"_s);
    EXPECT_THROW(ParseConnectionString(u"Provider=x;Password=y"_s), StoreError);
}

}  // namespace
