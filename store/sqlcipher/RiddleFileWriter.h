// Writes a riddle file in our format: its page size, the table, the rows and the index.
#pragma once

#include "store/RiddleRecord.h"

#include <QString>

#include <memory>

namespace sqlcipher {
class Database;
class Statement;
}  // namespace sqlcipher

class RiddleFileWriter final {
public:
    // Starts a riddle file at path, which must be absent or empty: a file that replaces another
    // is built under a temporary name first (kit/ReplaceFile.h's ReplaceFileWith).
    RiddleFileWriter(const QString& path, const QString& password);
    ~RiddleFileWriter();
    RiddleFileWriter(const RiddleFileWriter&) = delete;
    RiddleFileWriter& operator=(const RiddleFileWriter&) = delete;

    void Add(const RiddleRecord& record);
    // Builds the index and closes the file. Without it the file is incomplete.
    void Finish();

private:
    std::unique_ptr<sqlcipher::Database> db_;
    std::unique_ptr<sqlcipher::Statement> insert_;
};
