// What a record set reads a riddle file through, whichever kind of file it is.
#pragma once

#include <QVariant>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

using RiddleRow = std::vector<QVariant>;
using RowKeys = std::vector<qint64>;
using SeedSource = std::function<quint64()>;

// The rows of a full read, in table order.
class RiddleScan {
public:
    virtual ~RiddleScan() = default;
    // Puts the next row into `row`, reusing its storage; false after the last.
    virtual bool Next(RiddleRow& row) = 0;
};

// Rows by their position in a list of keys.
class KeyedRows {
public:
    virtual ~KeyedRows() = default;
    // The row of the key at this position; throws StoreError when the row is gone.
    virtual RiddleRow At(qint64 position) = 0;
};

class RiddleSource {
public:
    virtual ~RiddleSource() = default;
    // The keys of all rows in table order.
    virtual std::shared_ptr<const RowKeys> Keys() = 0;
    // At most count keys, uniformly chosen and in random order, from a generator seeded anew.
    virtual std::shared_ptr<const RowKeys> RandomKeys(int count) = 0;
    virtual RiddleRow Row(qint64 key) = 0;
    virtual std::unique_ptr<RiddleScan> ScanAll() = 0;
    // The rows of these keys; unless a source reads them better together, each is looked up
    // when asked for.
    virtual std::unique_ptr<KeyedRows> RowsOf(std::shared_ptr<const RowKeys> keys);
};

// True when count keys, the lowest `first` and the highest `last`, are every key in between.
bool KeysWithoutGaps(qint64 first, qint64 last, qint64 count);

// At most count of the keys, uniformly chosen and in random order, drawn with the seed.
std::shared_ptr<const RowKeys> SampleKeys(const RowKeys& all, int count, quint64 seed);
