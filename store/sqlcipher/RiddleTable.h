// An open riddle file: reads tblRiddles by position, by key and in random samples.
#pragma once

#include "store/RiddleSource.h"
#include "store/sqlcipher/SqlCipher.h"

#include <QVariant>

#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <vector>

class RiddleTable final : public RiddleSource {
public:
    // Opens the file read-only and checks that it holds a readable tblRiddles.
    RiddleTable(const QString& path, const QString& password, SeedSource seeds);

    // The keys of all rows in table order. Made once by one pass over the table and kept while
    // the file is unchanged, so that moving to row p costs one lookup instead of p reads.
    std::shared_ptr<const RowKeys> Keys() override;

    // At most count keys, uniformly chosen and in random order, from a generator seeded anew.
    std::shared_ptr<const RowKeys> RandomKeys(int count) override;

    RiddleRow Row(qint64 key) override;
    std::unique_ptr<RiddleScan> ScanAll() override;
    std::unique_ptr<KeyedRows> RowsOf(std::shared_ptr<const RowKeys> keys) override;

private:
    qint64 DataVersion();
    qint64 Number(const char* sql);  // as RiddleFile::Sql spells it
    std::shared_ptr<const RowKeys> ReadKeys();

    QByteArray key_;    // derived once at opening; empty for a file too short to hold a salt
    int pageSize_ = 0;  // the cipher page size the file opened with
    std::unique_ptr<sqlcipher::Database> db_;
    // A second connection for the helper thread of a full read, opened with the first so that
    // both stand on the same file even if it is replaced on disk later.
    std::unique_ptr<sqlcipher::Database> helperDb_;
    std::optional<sqlcipher::Statement> scanStart_;  // lent with the helper connection
    bool helperBusy_ = false;
    sqlcipher::Statement lookup_;
    sqlcipher::Statement dataVersion_;
    SeedSource seeds_;
    std::shared_ptr<const RowKeys> keys_;
    qint64 keysVersion_ = -1;
};
