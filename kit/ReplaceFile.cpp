// Checked replacement: the new file built whole, flushed to disk, then one rename. Not QSaveFile:
// its buffered write can fail inside commit() and still rename a short file over the old one,
// and it hands out no path, which SQLite needs to build a riddle file.
#include "kit/ReplaceFile.h"

#include "kit/FileSystem.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <stdexcept>

namespace {

[[noreturn]] void Fail(const QString& path, const QString& reason) {
    throw std::runtime_error(
        QStringLiteral("The file %1 could not be written: %2").arg(path, reason).toStdString());
}

QString ThroughLinks(const QString& path) {
    constexpr int MostLinks = 40;  // the kernel's own limit on a chain of links
    QFileInfo file(path);
    for (int link = 0; link < MostLinks && file.isSymLink(); ++link) {
        file = QFileInfo(file.symLinkTarget());
    }
    return file.filePath();
}

// The new file beside the target, removed unless it was put in the target's place.
class PendingFile final {
public:
    // Failures name `shownPath`, the path as the caller gave it.
    PendingFile(const QString& target, const QString& shownPath)
        : target_(target), shownPath_(shownPath) {
        constexpr int Attempts = 16;
        for (int attempt = 0; attempt < Attempts && handle_ < 0; ++attempt) {
            path_ = QStringLiteral("%1.%2").arg(
                target, QString::number(QRandomGenerator::global()->generate() & 0xffffff, 36));
            handle_ = FileSystem::CreateNew(path_);
            if (handle_ < 0 && errno != EEXIST) {
                break;
            }
        }
        if (handle_ < 0) {
            Fail(shownPath_, FileSystem::ErrorText(errno));
        }
        // A file that replaces another keeps its permissions.
        FileSystem::CopyPermissions(target_, handle_);
    }
    ~PendingFile() {
        if (handle_ >= 0) {
            FileSystem::Close(handle_);
        }
        if (!placed_) {
            FileSystem::Remove(path_);
        }
    }
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    int Handle() const { return handle_; }
    const QString& Path() const { return path_; }

    void PutInPlace(const FileCalls& calls) {
        // Some file systems report a full disk only when the data reaches it.
        if (calls.sync(handle_) != 0) {
            Fail(shownPath_, FileSystem::ErrorText(errno));
        }
        const int closed = FileSystem::Close(handle_);
        handle_ = -1;
        if (closed != 0 || FileSystem::Rename(path_, target_) != 0) {
            Fail(shownPath_, FileSystem::ErrorText(errno));
        }
        placed_ = true;
        // The rename reaches the disk with the folder; the file is whole either way.
        FileSystem::SyncFolder(QFileInfo(target_).absolutePath());
    }

private:
    QString target_;
    QString shownPath_;
    QString path_;
    int handle_ = -1;
    bool placed_ = false;
};

}  // namespace

qint64 FileCalls::SystemWrite(int handle, const char* data, qint64 size) {
    return FileSystem::Write(handle, data, size);
}

int FileCalls::SystemSync(int handle) {
    return FileSystem::Sync(handle);
}

void ReplaceFileWith(const QString& path,
                     const std::function<void(int handle, const QString& pendingPath)>& build,
                     const FileCalls& calls) {
    // Opening a FIFO could block, and renaming over a device or socket would replace it. A path
    // that cannot be looked at (links in a loop, a folder that may not be searched) is refused
    // too; only a missing file is made anew.
    FileStatus target;
    if (FileSystem::StatusOf(path, target) == 0) {
        if (!target.regular) {
            Fail(path, QStringLiteral("it is not a regular file, so it was left as it was."));
        }
    } else if (errno != ENOENT) {
        Fail(path, FileSystem::ErrorText(errno));
    }
    PendingFile pending(ThroughLinks(path), path);
    build(pending.Handle(), pending.Path());
    pending.PutInPlace(calls);
}

void ReplaceFile(const QString& path, const QByteArray& bytes, const FileCalls& calls) {
    ReplaceFileWith(
        path,
        [&](int handle, const QString&) {
            for (qint64 done = 0; done < bytes.size();) {
                const qint64 written =
                    calls.write(handle, bytes.constData() + done, bytes.size() - done);
                if (written < 0 && errno == EINTR) {
                    continue;
                }
                if (written <= 0) {
                    Fail(path, written < 0 ? FileSystem::ErrorText(errno)
                                           : QStringLiteral("the device took no more bytes."));
                }
                done += written;
            }
        },
        calls);
}
