// The browser's count check, row by named row.
#include "browser/BrowserLoading.h"

#include <gtest/gtest.h>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

struct CountCase {
    const char* name;
    const char* text;
    const char* problem;  // nullptr: the count goes to the store as typed
};

void PrintTo(const CountCase& row, std::ostream* out) {
    *out << row.name;
}

constexpr const char* NotANumber = "Must be a numeric entry.";
constexpr const char* Forgotten = "You forgot to input number of riddles to display.";
constexpr const char* TooLarge = "Number must be less than 1 million";

class CountCheck : public testing::TestWithParam<CountCase> {};

TEST_P(CountCheck, GivesItsMessageOrNone) {
    const std::optional<QString> problem = CountProblem(QString::fromUtf8(GetParam().text));
    if (GetParam().problem == nullptr) {
        EXPECT_EQ(problem, std::nullopt);
    } else {
        EXPECT_EQ(problem, QString::fromUtf8(GetParam().problem));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Counts, CountCheck,
    testing::Values(
        CountCase{"Largest", "999999", nullptr}, CountCase{"Blanks", " 5 ", nullptr},
        CountCase{"Zero", "0", nullptr}, CountCase{"Negative", "-3", nullptr},
        CountCase{"Fraction", "2.5", nullptr}, CountCase{"Thousands", "1,000", nullptr},
        CountCase{"Plus", "+7", nullptr}, CountCase{"LeadingPoint", ".5", nullptr},
        CountCase{"Exponent", "1e3", nullptr}, CountCase{"Empty", "", Forgotten},
        CountCase{"OnlyBlanks", "   ", Forgotten}, CountCase{"SignAlone", "-", NotANumber},
        CountCase{"PointAlone", ".", NotANumber}, CountCase{"ExponentAlone", "e5", NotANumber},
        CountCase{"MisplacedComma", "1,00", NotANumber},
        CountCase{"OpenExponent", "1e", NotANumber},
        CountCase{"TrailingLetters", "12abc", NotANumber},
        CountCase{"Hexadecimal", "0x10", NotANumber}, CountCase{"TwoNumbers", "5 5", NotANumber},
        CountCase{"Million", "1,000,000", TooLarge},
        CountCase{"MillionWithoutCommas", "1000000", TooLarge}),
    [](const testing::TestParamInfo<CountCase>& info) { return std::string(info.param.name); });

TEST(CountQueryTest, CountGoesIntoTheQueryAsTyped) {
    EXPECT_EQ(RandomSelectionQuery(u" 5 "_s),
              u"select top  5  * from tblRiddles ORDER BY Rnd([id])"_s);
}

}  // namespace
