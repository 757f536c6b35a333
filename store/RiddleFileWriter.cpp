// Riddle files are built under a temporary name in the target's folder and renamed over the
// target at the end, so a failure half-way never leaves a broken file under the real name.
#include "store/RiddleFileWriter.h"

#include "store/RiddleFile.h"
#include "store/SqlCipher.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <fcntl.h>
#include <unistd.h>
#include <cstdio>
#include <stdexcept>

namespace {

QString PendingName(const QString& path) {
    return QStringLiteral("%1.%2.partial")
        .arg(path, QString::number(QRandomGenerator::global()->generate64(), 36));
}

// A riddle file reached through links (the package links the program folder's one to
// /var/lib/quorvane) is replaced where they lead, so that the links stay as they are.
QString ThroughLinks(const QString& path) {
    constexpr int MaxLinks = 40;  // the kernel's own limit on a chain of links
    QFileInfo file(path);
    for (int link = 0; link < MaxLinks && file.isSymLink(); ++link) {
        file = QFileInfo(file.symLinkTarget());
    }
    return file.filePath();
}

void SyncToDisk(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0 || ::fsync(fd) != 0) {
        if (fd >= 0) {
            ::close(fd);
        }
        throw std::runtime_error(
            QStringLiteral("%1: cannot write to disk").arg(path).toStdString());
    }
    ::close(fd);
}

}  // namespace

RiddleFileWriter::RiddleFileWriter(const QString& path, const QString& password)
    : path_(ThroughLinks(path)), pendingPath_(PendingName(path_)) {
    try {
        db_ = std::make_unique<sqlcipher::Database>(pendingPath_, password,
                                                    sqlcipher::Access::Create);
        // Pages of 4 KB halve the time of reading every row against SQLCipher 3's 1 KB, while a
        // single riddle still costs the decryption of one small page.
        db_->SetPageSize(RiddleFile::PageSize);
        // The unfinished file is thrown away on any failure, so it needs no journal.
        db_->Execute("PRAGMA journal_mode = OFF");
        db_->Execute("PRAGMA synchronous = OFF");
        db_->Execute("PRAGMA cache_size = -65536");
        db_->Execute(
            RiddleFile::Sql("CREATE TABLE {table}(id INTEGER PRIMARY KEY, riddle TEXT, answer TEXT)"));
        db_->Execute("BEGIN");
        insert_ = std::make_unique<sqlcipher::Statement>(
            db_->Prepare(RiddleFile::Sql("INSERT INTO {table}(id, riddle, answer) VALUES (?, ?, ?)")));
    } catch (const std::exception& error) {
        RemovePending();
        throw std::runtime_error(QStringLiteral("%1: cannot create: %2")
                                     .arg(path, QString::fromUtf8(error.what()))
                                     .toStdString());
    }
}

RiddleFileWriter::~RiddleFileWriter() {
    if (!committed_) {
        RemovePending();
    }
}

void RiddleFileWriter::Add(const RiddleRecord& record) {
    insert_->Reset();
    insert_->Bind(1, record.id);
    record.riddle ? insert_->Bind(2, *record.riddle) : insert_->BindNull(2);
    record.answer ? insert_->Bind(3, *record.answer) : insert_->BindNull(3);
    insert_->Step();
}

void RiddleFileWriter::Commit() {
    insert_.reset();
    // Built once after the rows, which is quicker than keeping it up to date row by row.
    db_->Execute(RiddleFile::Sql("CREATE INDEX {index} ON {table}(id)"));
    db_->Execute("COMMIT");
    db_.reset();
    SyncToDisk(pendingPath_);
    if (std::rename(QFile::encodeName(pendingPath_).constData(),
                    QFile::encodeName(path_).constData()) != 0) {
        throw std::runtime_error(QStringLiteral("%1: cannot replace it with the new riddle file")
                                     .arg(path_)
                                     .toStdString());
    }
    committed_ = true;
}

void RiddleFileWriter::RemovePending() {
    insert_.reset();
    db_.reset();
    QFile::remove(pendingPath_);
    QFile::remove(pendingPath_ + QStringLiteral("-journal"));
}
