// The file calls on POSIX systems: the system's own, with names encoded as Qt encodes them.
#include "kit/FileSystem.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

FileStatus Status(const struct stat& info) {
    return {S_ISREG(info.st_mode),
            {static_cast<quint64>(info.st_dev), static_cast<quint64>(info.st_ino), info.st_size}};
}

}  // namespace

namespace FileSystem {

int OpenToRead(const QString& path) {
    return ::open(Native(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
}

int CreateNew(const QString& path) {
    // 0666 less the umask.
    return ::open(Native(path).constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

int StatusOf(const QString& path, FileStatus& status) {
    struct stat info {};
    if (::stat(Native(path).constData(), &info) != 0) {
        return -1;
    }
    status = Status(info);
    return 0;
}

int StatusOf(int handle, FileStatus& status) {
    struct stat info {};
    if (::fstat(handle, &info) != 0) {
        return -1;
    }
    status = Status(info);
    return 0;
}

void CopyPermissions(const QString& from, int handle) {
    struct stat old {};
    if (::stat(Native(from).constData(), &old) == 0) {
        (void)::fchmod(handle, old.st_mode & 07777);
    }
}

qint64 Write(int handle, const char* data, qint64 size) {
    return ::write(handle, data, static_cast<size_t>(size));
}

int Sync(int handle) {
    return ::fsync(handle);
}

int Close(int handle) {
    return ::close(handle);
}

int Rename(const QString& from, const QString& to) {
    return ::rename(Native(from).constData(), Native(to).constData());
}

void SyncFolder(const QString& folder) {
    if (const int handle = ::open(Native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        handle >= 0) {
        (void)::fsync(handle);
        ::close(handle);
    }
}

int Remove(const QString& path) {
    return ::unlink(Native(path).constData());
}

QString ErrorText(int error) {
    return qt_error_string(error);
}

}  // namespace FileSystem
