// Reading tblRiddles under SQLCipher, where every page read is decrypted: scans happen once,
// and everything positional is answered by lookups on the row key.
#include "store/sqlcipher/RiddleTable.h"

#include "store/RiddleFile.h"
#include "store/StoreError.h"
#include "store/scan/HelpedScan.h"
#include "store/scan/LookedUpRows.h"
#include "store/scan/OnePassRows.h"
#include "store/scan/StatementRows.h"
#include "store/scan/StatementScan.h"

#include <QDir>

#include <algorithm>
#include <numeric>

namespace {

QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

void CheckTable(sqlcipher::Database& db) {
    auto columns = db.Prepare(RiddleFile::Sql("PRAGMA table_info({table})"));
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
    return db.Prepare(RiddleFile::Sql("SELECT * FROM {table} WHERE rowid = ?"));
}

// The key is derived once here and kept: trying a second page size, or opening a second
// connection, then costs no second derivation.
std::unique_ptr<sqlcipher::Database> OpenRiddleDatabase(const QString& path,
                                                        const QString& password, QByteArray& key,
                                                        int& pageSize) {
    key = sqlcipher::DerivedKey(path, password, RiddleFile::KeyIterations);
    if (key.isEmpty()) {  // no salt to derive from: the password itself gives the usual report
        return std::make_unique<sqlcipher::Database>(path, password, sqlcipher::Access::ReadOnly);
    }
    std::unique_ptr<sqlcipher::Database> db;
    for (const int size : {RiddleFile::PageSize, RiddleFile::FirstPageSize}) {
        db = std::make_unique<sqlcipher::Database>(path, key, sqlcipher::Access::ReadOnly);
        db->SetPageSize(size);
        if (db->Readable()) {
            pageSize = size;
            break;
        }
    }
    return db;  // when no size fits, its first statement gives the report
}

bool HasKeyIndex(sqlcipher::Database& db) {
    auto found = db.Prepare(RiddleFile::Sql(
        "SELECT 1 FROM sqlite_master WHERE type = 'index' AND tbl_name = '{table}' AND name = "
        "'{index}'"));
    return found.Step();
}

}  // namespace

RiddleTable::RiddleTable(const QString& path, const QString& password, SeedSource seeds)
    : db_(OpenRiddleDatabase(path, password, key_, pageSize_)),
      lookup_(PrepareLookup(*db_)),
      dataVersion_(db_->Prepare("PRAGMA data_version")),
      seeds_(std::move(seeds)) {
    // Decrypted pages are kept, so the inner pages of the key tree that every lookup passes stay
    // at hand; a full read streams past the cache and gains nothing from a larger one.
    db_->Execute("PRAGMA cache_size = -16384");
    if (!key_.isEmpty()) {
        helperDb_ = std::make_unique<sqlcipher::Database>(path, key_, sqlcipher::Access::ReadOnly);
        helperDb_->SetPageSize(pageSize_);
        helperDb_->Execute("PRAGMA cache_size = -2048");  // it only streams
        // Prepared once: the quiz starts a full read for each draw and stops after a row.
        scanStart_.emplace(
            db_->Prepare(RiddleFile::Sql("SELECT rowid, * FROM {table} ORDER BY rowid")));
    }
}

qint64 RiddleTable::DataVersion() {
    dataVersion_.Reset();
    dataVersion_.Step();
    const qint64 version = dataVersion_.Int64(0);
    dataVersion_.Reset();
    return version;
}

qint64 RiddleTable::Number(const char* sql) {
    auto query = db_->Prepare(RiddleFile::Sql(sql));
    query.Step();
    return query.Int64(0);
}

std::shared_ptr<const RowKeys> RiddleTable::Keys() {
    const qint64 version = DataVersion();
    if (!keys_ || version != keysVersion_) {
        keys_ = ReadKeys();
        keysVersion_ = version;
    }
    return keys_;
}

std::shared_ptr<const RowKeys> RiddleTable::ReadKeys() {
    auto keys = std::make_shared<RowKeys>();
    // Files whose rows were never deleted hold every key from the lowest to the highest. Then
    // the count, which SQLite takes from the smallest index's pages without stepping a row,
    // and the two ends, one lookup each, give them all.
    const qint64 count = Number("SELECT count(*) FROM {table}");
    const qint64 first = Number("SELECT min(rowid) FROM {table}");
    const qint64 last = Number("SELECT max(rowid) FROM {table}");
    if (KeysWithoutGaps(first, last, count)) {
        keys->resize(static_cast<size_t>(count));
        std::iota(keys->begin(), keys->end(), first);
        return keys;
    }
    keys->reserve(static_cast<size_t>(count));
    // The index holds the keys in a few pages; without it every page of the table is read.
    auto scan = db_->Prepare(RiddleFile::Sql(HasKeyIndex(*db_)
                                                 ? "SELECT rowid FROM {table} INDEXED BY {index}"
                                                 : "SELECT rowid FROM {table} ORDER BY rowid"));
    while (scan.Step()) {
        keys->push_back(scan.Int64(0));
    }
    if (!std::is_sorted(keys->begin(), keys->end())) {  // ids that do not follow the keys
        std::sort(keys->begin(), keys->end());
    }
    return keys;
}

std::unique_ptr<KeyedRows> RiddleTable::RowsOf(std::shared_ptr<const RowKeys> keys) {
    // A lookup decrypts about one page, a pass over the table every page once: past a
    // sixteenth of the table the pass is cheaper.
    constexpr size_t FewestForAPass = 4096;
    const std::shared_ptr<const RowKeys> all = Keys();
    if (keys->size() < FewestForAPass || keys->size() * 16 < all->size()) {
        return std::make_unique<LookedUpRows>(*this, *db_, *keys);
    }
    return std::make_unique<OnePassRows>(*all, std::move(keys), *db_);
}

std::shared_ptr<const RowKeys> RiddleTable::RandomKeys(int count) {
    return SampleKeys(*Keys(), count, seeds_());
}

RiddleRow RiddleTable::Row(qint64 key) {
    lookup_.Reset();
    lookup_.Bind(1, key);
    if (!lookup_.Step()) {
        lookup_.Reset();
        throw RowGone(key, db_->Path());
    }
    RiddleRow row;
    ReadRow(lookup_, row);
    lookup_.Reset();
    return row;
}

std::unique_ptr<RiddleScan> RiddleTable::ScanAll() {
    if (!helperDb_ || helperBusy_) {  // a scan inside another one reads on its own
        return std::make_unique<StatementScan>(
            db_->Prepare(RiddleFile::Sql("SELECT * FROM {table} ORDER BY rowid")));
    }
    return std::make_unique<HelpedScan>(*db_, *helperDb_, *scanStart_, helperBusy_);
}
