// A row is turned back into values only when it is asked for.
#include "store/scan/OnePassRows.h"

#include "store/RiddleFile.h"
#include "store/StoreError.h"
#include "store/scan/StatementRows.h"

#include <algorithm>

namespace {

constexpr qsizetype BlockSize = 4 << 20;

}  // namespace

OnePassRows::OnePassRows(const RowKeys& all, std::shared_ptr<const RowKeys> selected,
                         sqlcipher::Database& db)
    : selected_(std::move(selected)), path_(db.Path()), places_(selected_->size(), 0) {
    // Where in the selection each of the table's keys stands, if it does.
    std::vector<qint64> placeOf(all.size(), -1);
    const bool dense =
        !all.empty() && KeysWithoutGaps(all.front(), all.back(), static_cast<qint64>(all.size()));
    for (size_t position = 0; position < selected_->size(); ++position) {
        const qint64 key = (*selected_)[position];
        const size_t index =
            dense
                ? static_cast<size_t>(quint64(key) - quint64(all.front()))
                : static_cast<size_t>(std::lower_bound(all.begin(), all.end(), key) - all.begin());
        if (index < all.size() && all[index] == key) {
            placeOf[index] = static_cast<qint64>(position);
        }
    }
    auto scan = db.Prepare(RiddleFile::Sql("SELECT rowid, * FROM {table} ORDER BY rowid"));
    columns_ = scan.ColumnCount() - 1;
    size_t index = 0;
    while (scan.Step()) {
        const qint64 key = scan.Int64(0);
        while (index < all.size() && all[index] < key) {
            ++index;
        }
        if (index < all.size() && all[index] == key && placeOf[index] >= 0) {
            Pack(scan, placeOf[index]);
        }
    }
}

void OnePassRows::Pack(const sqlcipher::Statement& row, qint64 position) {
    if (blocks_.empty() || blocks_.back().size() >= BlockSize) {
        blocks_.emplace_back().reserve(BlockSize + 4096);
    }
    QByteArray& block = blocks_.back();
    places_[static_cast<size_t>(position)] =
        (quint64(blocks_.size() - 1) << 32) | quint64(block.size() + 1);
    PackRow(row, 1, block);
}

RiddleRow OnePassRows::At(qint64 position) {
    const quint64 place = places_.at(static_cast<size_t>(position));
    if (place == 0) {
        throw RowGone((*selected_)[static_cast<size_t>(position)], path_);
    }
    const char* at = blocks_[place >> 32].constData() + ((place & 0xffffffff) - 1);
    RiddleRow row;
    UnpackRow(at, columns_, row);
    return row;
}
