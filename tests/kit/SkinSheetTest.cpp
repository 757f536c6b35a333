// What counts as a well-formed skin sheet.
#include "kit/SkinSheet.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(SkinSheetTest, CommentsStringsAndBracesMustClose) {
    EXPECT_TRUE(IsWellFormedStyleSheet(QString()));
    EXPECT_TRUE(IsWellFormedStyleSheet(u"/* } */ QLabel { font: \"A}\"; }"_s));
    EXPECT_FALSE(IsWellFormedStyleSheet(u"QLabel { color: red; } }"_s));
    EXPECT_FALSE(IsWellFormedStyleSheet(u"{ color: red; }"_s));
    EXPECT_FALSE(IsWellFormedStyleSheet(u"QLabel { color: red; } /* open"_s));
    EXPECT_FALSE(IsWellFormedStyleSheet(u"QLabel"_s));
}

}  // namespace
