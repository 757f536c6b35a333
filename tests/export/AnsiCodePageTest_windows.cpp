// Exports are in the code page Windows reports, with no look-alike for what it cannot hold; the
// suite runs under 1252, and tests/CMakeLists.txt again under QUORVANE_CODE_PAGE 1251 and 932.
#include "export/AnsiCodePage.h"

#include <map>

#include <windows.h>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(AnsiCodePageTest, TextIsInTheCodePageWindowsReports) {
    const UINT codePage = GetACP();
    const auto asked = static_cast<UINT>(qEnvironmentVariableIntValue("QUORVANE_CODE_PAGE"));
    ASSERT_TRUE(asked == 0 || asked == codePage) << codePage;
    const std::map<UINT, QByteArray> expected{{1252, "Caf\xe9 \x80 ? ? ?"},
                                              {1251, "Caf? \x88 \xc6 ? ?"},
                                              {932, "Caf? ? \x84G \x8a\xbf ?"}};
    if (!expected.contains(codePage)) {
        GTEST_SKIP() << "no bytes are written down for code page " << codePage;
    }
    EXPECT_EQ(ToAnsiCodePage(u"Caf\u00e9 \u20ac \u0416 \u6f22 \u2713"_s), expected.at(codePage));
}

}  // namespace
