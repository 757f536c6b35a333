// Rows of an Access file in memory, in the file's order; a key is a row's position.
#include "store/legacy/LegacyTable.h"

#include "store/StoreError.h"
#include "store/legacy/LegacyFile.h"

#include <numeric>

namespace {

QVariant Value(const std::optional<QString>& text) {
    return text ? QVariant(*text) : QVariant();
}

// The id column holds whole numbers; read as text, it becomes one again.
QVariant Id(const std::optional<QString>& text) {
    bool whole = false;
    const qint64 id = text ? text->toLongLong(&whole) : 0;
    return whole ? QVariant::fromValue(id) : Value(text);
}

class RowsScan final : public RiddleScan {
public:
    explicit RowsScan(std::shared_ptr<const std::vector<RiddleRow>> rows)
        : rows_(std::move(rows)) {}
    bool Next(RiddleRow& row) override {
        if (next_ == rows_->size()) {
            return false;
        }
        row = (*rows_)[next_++];
        return true;
    }

private:
    std::shared_ptr<const std::vector<RiddleRow>> rows_;
    size_t next_ = 0;
};

}  // namespace

LegacyTable::LegacyTable(QString path, QString readerPath, SeedSource seeds)
    : path_(std::move(path)), readerPath_(std::move(readerPath)), seeds_(std::move(seeds)) {}

const std::vector<RiddleRow>& LegacyTable::Rows() {
    if (!rows_) {
        auto rows = std::make_shared<std::vector<RiddleRow>>();
        for (const LegacyRow& row : ReadLegacyRiddles(readerPath_, path_)) {
            rows->push_back({Id(row.id), Value(row.riddle), Value(row.answer)});
        }
        auto keys = std::make_shared<RowKeys>(rows->size());
        std::iota(keys->begin(), keys->end(), qint64{0});
        rows_ = std::move(rows);
        keys_ = std::move(keys);
    }
    return *rows_;
}

std::shared_ptr<const RowKeys> LegacyTable::Keys() {
    Rows();
    return keys_;
}

std::shared_ptr<const RowKeys> LegacyTable::RandomKeys(int count) {
    return SampleKeys(*Keys(), count, seeds_());
}

RiddleRow LegacyTable::Row(qint64 key) {
    const std::vector<RiddleRow>& rows = Rows();
    if (key < 0 || key >= static_cast<qint64>(rows.size())) {
        throw StoreError(QStringLiteral("The riddle file has no row %1.").arg(key));
    }
    return rows[static_cast<size_t>(key)];
}

std::unique_ptr<RiddleScan> LegacyTable::ScanAll() {
    Rows();
    return std::make_unique<RowsScan>(rows_);
}
