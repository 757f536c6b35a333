// What every kind of riddle file shares: the random sample of keys, and rows looked up one by
// one where a source has no better way.
#include "store/RiddleSource.h"

#include <algorithm>
#include <random>
#include <unordered_map>

bool KeysWithoutGaps(qint64 first, qint64 last, qint64 count) {
    // Unsigned: keys at both ends of the range are further apart than a signed number holds.
    return count > 0 && quint64(last) - quint64(first) == quint64(count - 1);
}

std::shared_ptr<const RowKeys> SampleKeys(const RowKeys& all, int count, quint64 seed) {
    const auto total = static_cast<qint64>(all.size());
    const qint64 wanted = std::min<qint64>(count, total);
    std::mt19937_64 generator(seed);
    auto sample = std::make_shared<RowKeys>();
    sample->reserve(static_cast<size_t>(wanted));

    // A Fisher-Yates shuffle stopped after `wanted` steps. For a large sample it works on a copy
    // of the keys; for a small sample of a large table the positions it has swapped are kept in
    // a map instead, so that it costs only the sample's size. Both draw the same numbers, so a
    // seed gives the same sample either way.
    const bool onCopy = wanted * 8 >= total;
    RowKeys copy = onCopy ? all : RowKeys();
    std::unordered_map<qint64, qint64> swapped;
    const auto keyAt = [&](qint64 i) {
        if (onCopy) {
            return copy[static_cast<size_t>(i)];
        }
        const auto found = swapped.find(i);
        return found == swapped.end() ? all[static_cast<size_t>(i)] : found->second;
    };
    for (qint64 i = 0; i < wanted; ++i) {
        const qint64 j = std::uniform_int_distribution<qint64>(i, total - 1)(generator);
        const qint64 chosen = keyAt(j);
        const qint64 moved = keyAt(i);
        if (onCopy) {
            copy[static_cast<size_t>(j)] = moved;
        } else {
            swapped[j] = moved;
        }
        sample->push_back(chosen);
    }
    return sample;
}

namespace {

// Rows looked up one by one as they are asked for.
class LookedUpRows final : public KeyedRows {
public:
    LookedUpRows(RiddleSource& source, std::shared_ptr<const RowKeys> keys)
        : source_(source), keys_(std::move(keys)) {}
    RiddleRow At(qint64 position) override {
        return source_.Row(keys_->at(static_cast<size_t>(position)));
    }

private:
    RiddleSource& source_;
    std::shared_ptr<const RowKeys> keys_;
};

}  // namespace

std::unique_ptr<KeyedRows> RiddleSource::RowsOf(std::shared_ptr<const RowKeys> keys) {
    return std::make_unique<LookedUpRows>(*this, std::move(keys));
}
