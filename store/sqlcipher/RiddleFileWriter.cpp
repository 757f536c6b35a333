// Riddle files in our format: written in one transaction without a journal, since a file that
// fails half-way is thrown away whole, and indexed once after the rows.
#include "store/sqlcipher/RiddleFileWriter.h"

#include "store/RiddleFile.h"
#include "store/sqlcipher/SqlCipher.h"

#include <stdexcept>

RiddleFileWriter::RiddleFileWriter(const QString& path, const QString& password) {
    try {
        db_ = std::make_unique<sqlcipher::Database>(path, password, sqlcipher::Access::Create);
        // Pages of 4 KB halve the time of reading every row against SQLCipher 3's 1 KB, while a
        // single riddle still costs the decryption of one small page.
        db_->SetPageSize(RiddleFile::PageSize);
        db_->Execute("PRAGMA journal_mode = OFF");
        db_->Execute("PRAGMA synchronous = OFF");
        db_->Execute("PRAGMA cache_size = -65536");
        db_->Execute(RiddleFile::Sql(
            "CREATE TABLE {table}(id INTEGER PRIMARY KEY, riddle TEXT, answer TEXT)"));
        db_->Execute("BEGIN");
        insert_ = std::make_unique<sqlcipher::Statement>(db_->Prepare(
            RiddleFile::Sql("INSERT INTO {table}(id, riddle, answer) VALUES (?, ?, ?)")));
    } catch (const std::exception& error) {
        throw std::runtime_error(
            QStringLiteral("cannot create: %1").arg(QString::fromUtf8(error.what())).toStdString());
    }
}

RiddleFileWriter::~RiddleFileWriter() = default;

void RiddleFileWriter::Add(const RiddleRecord& record) {
    insert_->Reset();
    insert_->Bind(1, record.id);
    record.riddle ? insert_->Bind(2, *record.riddle) : insert_->BindNull(2);
    record.answer ? insert_->Bind(3, *record.answer) : insert_->BindNull(3);
    insert_->Step();
}

void RiddleFileWriter::Finish() {
    insert_.reset();
    // Built once after the rows, which is quicker than keeping it up to date row by row.
    db_->Execute(RiddleFile::Sql("CREATE INDEX {index} ON {table}(id)"));
    db_->Execute("COMMIT");
    db_.reset();
}
