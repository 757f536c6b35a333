// The application title, cut to what the desktop shows.
#include "kit/ApplicationTitle.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(ApplicationTitleTest, DropsTheLastWordThenWordsUntilFortyCharacters) {
    // 39 characters after the first cut: one word goes.
    EXPECT_EQ(ApplicationTitleFor(u"aaaaaaaaaa bbbbbbbbbb cccccccccc dddddd e"_s),
              u"aaaaaaaaaa bbbbbbbbbb cccccccccc dddddd"_s);
    // 43 characters after the first cut: a second word goes.
    EXPECT_EQ(ApplicationTitleFor(u"aaaaaaaaaa bbbbbbbbbb cccccccccc dddddddddddd e"_s),
              u"aaaaaaaaaa bbbbbbbbbb cccccccccc"_s);
    EXPECT_EQ(ApplicationTitleFor(QString(50, u'x') + u" y"_s), QString(40, u'x'));
}

}  // namespace
