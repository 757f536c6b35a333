// The browser's count: the count check, the number reader and the store's query adapter agree.
// When the store accepts a count text, its N is the number the text reads as; when the count
// check accepts one, the store gives that N or its own refusal.
#include "browser/BrowserLoading.h"
#include "fuzz/Fuzz.h"
#include "kit/NumberText.h"
#include "store/QueryText.h"
#include "store/StoreError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(FuzzBytes(data, size));
    const std::optional<double> number = ReadAsNumber(text);
    std::optional<int> count;
    try {
        const RiddleQuery query = ParseRiddleQuery(RandomSelectionQuery(text));
        Require(query.kind == RiddleQuery::Kind::RandomSelection, "a count gives a selection");
        count = query.count;
    } catch (const StoreError&) {
    }
    if (count) {
        Require(*count >= 1 && *count <= MaxSelection, "an accepted count is in range");
        Require(number && *number == *count, "an accepted count is the number the text reads as");
    }
    if (!CountProblem(text)) {
        Require(number.has_value(), "the count check accepts numbers only");
        Require(*number < 1000000, "the count check accepts numbers under a million only");
    }
    return 0;
}
