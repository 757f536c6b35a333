// Each field is packed as a type byte, then eight bytes for a number, or a four-byte length and
// the bytes for a text or blob; a row is turned back into values only when it is asked for.
#include "store/PackedRows.h"

#include "store/StoreError.h"

#include <QDir>
#include <QtEndian>

#include <sqlite3.h>

#include <algorithm>
#include <cstring>

namespace {

constexpr qsizetype BlockSize = 4 << 20;

template <typename Number>
void PutNumber(QByteArray& block, Number value) {
    char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    block.append(bytes, sizeof bytes);
}

template <typename Number>
Number TakeNumber(const char*& at) {
    Number value;
    std::memcpy(&value, at, sizeof value);
    at += sizeof value;
    return value;
}

}  // namespace

PackedRows::PackedRows(const RowKeys& all, std::shared_ptr<const RowKeys> selected,
                       sqlcipher::Database& db)
    : selected_(std::move(selected)), path_(db.Path()), places_(selected_->size(), 0) {
    // Where in the selection each of the table's keys stands, if it does.
    std::vector<qint64> placeOf(all.size(), -1);
    const bool dense = !all.empty() && all.back() - all.front() == qint64(all.size()) - 1;
    for (size_t position = 0; position < selected_->size(); ++position) {
        const qint64 key = (*selected_)[position];
        const size_t index =
            dense
                ? static_cast<size_t>(key - all.front())
                : static_cast<size_t>(std::lower_bound(all.begin(), all.end(), key) - all.begin());
        if (index < all.size() && all[index] == key) {
            placeOf[index] = static_cast<qint64>(position);
        }
    }
    auto scan = db.Prepare("SELECT rowid, * FROM tblRiddles ORDER BY rowid");
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

void PackedRows::Pack(const sqlcipher::Statement& row, qint64 position) {
    if (blocks_.empty() || blocks_.back().size() >= BlockSize) {
        blocks_.emplace_back().reserve(BlockSize + 4096);
    }
    QByteArray& block = blocks_.back();
    places_[static_cast<size_t>(position)] =
        (quint64(blocks_.size() - 1) << 32) | quint64(block.size() + 1);
    for (int column = 1; column <= columns_; ++column) {
        const int type = row.Type(column);
        block.append(static_cast<char>(type));
        if (type == SQLITE_INTEGER) {
            PutNumber(block, row.Int64(column));
        } else if (type == SQLITE_FLOAT) {
            PutNumber(block, row.Double(column));
        } else if (type != SQLITE_NULL) {
            const QByteArrayView bytes = row.Bytes(column);
            PutNumber(block, static_cast<quint32>(bytes.size()));
            block.append(bytes);
        }
    }
}

RiddleRow PackedRows::At(qint64 position) {
    const quint64 place = places_.at(static_cast<size_t>(position));
    if (place == 0) {
        throw StoreError(QStringLiteral("The riddle with key %1 is no longer in %2.")
                             .arg((*selected_)[static_cast<size_t>(position)])
                             .arg(QDir::toNativeSeparators(path_)));
    }
    const char* at = blocks_[place >> 32].constData() + ((place & 0xffffffff) - 1);
    RiddleRow row;
    row.reserve(static_cast<size_t>(columns_));
    for (int column = 0; column < columns_; ++column) {
        switch (*at++) {
            case SQLITE_NULL:
                row.emplace_back();
                break;
            case SQLITE_INTEGER:
                row.push_back(QVariant::fromValue<qint64>(TakeNumber<qint64>(at)));
                break;
            case SQLITE_FLOAT:
                row.emplace_back(TakeNumber<double>(at));
                break;
            case SQLITE_BLOB: {
                const auto size = TakeNumber<quint32>(at);
                row.emplace_back(QByteArray(at, size));
                at += size;
                break;
            }
            default: {
                const auto size = TakeNumber<quint32>(at);
                row.emplace_back(QString::fromUtf8(at, size));
                at += size;
            }
        }
    }
    return row;
}
