// Reading tblRiddles under SQLCipher, where every page read is decrypted: scans happen once,
// and everything positional is answered by lookups on the row key.
#include "store/RiddleTable.h"

#include "store/RiddleFile.h"
#include "store/StoreError.h"

#include <QDir>

#include <algorithm>
#include <unordered_map>

namespace {

QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

void CheckTable(sqlcipher::Database& db) {
    auto columns = db.Prepare("PRAGMA table_info(tblRiddles)");
    int count = 0;
    while (columns.Step()) {
        ++count;
    }
    if (count == 0) {
        throw StoreError(QStringLiteral("The riddle file %1 has no table %2.")
                             .arg(Native(db.Path()), RiddleFile::TableName));
    }
    if (count < 3) {
        throw StoreError(QStringLiteral("The table %1 in %2 needs three columns: id, riddle and "
                                        "answer.")
                             .arg(RiddleFile::TableName, Native(db.Path())));
    }
}

sqlcipher::Statement PrepareLookup(sqlcipher::Database& db) {
    CheckTable(db);
    return db.Prepare("SELECT * FROM tblRiddles WHERE rowid = ?");
}

}  // namespace

RiddleTable::RiddleTable(const QString& path, const QString& password, SeedSource seeds)
    : db_(path, password, sqlcipher::Access::ReadOnly),
      lookup_(PrepareLookup(db_)),
      dataVersion_(db_.Prepare("PRAGMA data_version")),
      seeds_(std::move(seeds)) {
    // Decrypted pages are kept, so the inner pages of the key tree that every lookup passes stay
    // at hand; a full read streams past the cache and gains nothing from a larger one.
    db_.Execute("PRAGMA cache_size = -16384");
}

qint64 RiddleTable::DataVersion() {
    dataVersion_.Reset();
    dataVersion_.Step();
    const qint64 version = dataVersion_.Int64(0);
    dataVersion_.Reset();
    return version;
}

std::shared_ptr<const RowKeys> RiddleTable::Keys() {
    const qint64 version = DataVersion();
    if (!keys_ || version != keysVersion_) {
        auto keys = std::make_shared<RowKeys>();
        auto scan = db_.Prepare("SELECT rowid FROM tblRiddles ORDER BY rowid");
        while (scan.Step()) {
            keys->push_back(scan.Int64(0));
        }
        keys_ = std::move(keys);
        keysVersion_ = version;
    }
    return keys_;
}

std::shared_ptr<const RowKeys> SampleKeys(const RowKeys& all, int count, quint64 seed) {
    const auto total = static_cast<qint64>(all.size());
    const qint64 wanted = std::min<qint64>(count, total);
    std::mt19937_64 generator(seed);

    // A Fisher-Yates shuffle stopped after `wanted` steps; positions it has swapped are kept in
    // a map so that a small sample of a large table costs only the sample's size.
    std::unordered_map<qint64, qint64> swapped;
    const auto at = [&](qint64 i) {
        const auto found = swapped.find(i);
        return found == swapped.end() ? i : found->second;
    };
    auto sample = std::make_shared<RowKeys>();
    sample->reserve(static_cast<size_t>(wanted));
    for (qint64 i = 0; i < wanted; ++i) {
        const qint64 j = std::uniform_int_distribution<qint64>(i, total - 1)(generator);
        const qint64 chosen = at(j);
        swapped[j] = at(i);
        sample->push_back(all[static_cast<size_t>(chosen)]);
    }
    return sample;
}

std::shared_ptr<const RowKeys> RiddleTable::RandomKeys(int count) {
    return SampleKeys(*Keys(), count, seeds_());
}

RiddleRow RiddleTable::Row(qint64 key) {
    lookup_.Reset();
    lookup_.Bind(1, key);
    if (!lookup_.Step()) {
        lookup_.Reset();
        throw StoreError(QStringLiteral("The riddle with key %1 is no longer in %2.")
                             .arg(key)
                             .arg(Native(db_.Path())));
    }
    RiddleRow row = CurrentRow(lookup_);
    lookup_.Reset();
    return row;
}

namespace {

class StatementScan final : public RiddleScan {
public:
    explicit StatementScan(sqlcipher::Statement statement) : statement_(std::move(statement)) {}
    std::optional<RiddleRow> Next() override {
        if (!statement_.Step()) {
            return std::nullopt;
        }
        return RiddleTable::CurrentRow(statement_);
    }

private:
    sqlcipher::Statement statement_;
};

}  // namespace

std::unique_ptr<RiddleScan> RiddleTable::ScanAll() {
    return std::make_unique<StatementScan>(db_.Prepare("SELECT * FROM tblRiddles ORDER BY rowid"));
}

RiddleRow RiddleTable::CurrentRow(const sqlcipher::Statement& statement) {
    RiddleRow row;
    const int columns = statement.ColumnCount();
    row.reserve(static_cast<size_t>(columns));
    for (int i = 0; i < columns; ++i) {
        row.push_back(statement.Value(i));
    }
    return row;
}
