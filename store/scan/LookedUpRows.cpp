// A failed lookup is kept as it was raised, so that asking for the row later raises it again.
#include "store/scan/LookedUpRows.h"

#include "store/StoreError.h"

LookedUpRows::LookedUpRows(RiddleSource& source, sqlcipher::Database& db, const RowKeys& keys) {
    const sqlcipher::ReadTransaction reading(db);
    rows_.reserve(keys.size());
    for (const qint64 key : keys) {
        try {
            rows_.emplace_back(source.Row(key));
        } catch (const StoreError&) {
            rows_.emplace_back(std::current_exception());
        }
    }
}

RiddleRow LookedUpRows::At(qint64 position) {
    auto& row = rows_.at(static_cast<size_t>(position));
    if (const auto* failure = std::get_if<std::exception_ptr>(&row)) {
        std::rethrow_exception(*failure);
    }
    return std::get<RiddleRow>(row);
}
