// Makes a riddle file that replaces an existing one only once it is complete.
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
    // Starts a new file beside `path`, or beside the file it links to; nothing at `path` changes
    // until Commit.
    RiddleFileWriter(const QString& path, const QString& password);
    // Without a Commit, the unfinished file is removed.
    ~RiddleFileWriter();
    RiddleFileWriter(const RiddleFileWriter&) = delete;
    RiddleFileWriter& operator=(const RiddleFileWriter&) = delete;

    void Add(const RiddleRecord& record);
    // Writes everything to disk and puts the new file in place of the old one.
    void Commit();

private:
    void RemovePending();

    QString path_;
    QString pendingPath_;
    std::unique_ptr<sqlcipher::Database> db_;
    std::unique_ptr<sqlcipher::Statement> insert_;
    bool committed_ = false;
};
