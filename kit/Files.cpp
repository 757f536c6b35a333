// File look-ups that answer yes or no without a failure of their own, and reading a small
// regular file whole, which throws when the file cannot be read so.
#include "kit/Files.h"

#include "kit/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <stdexcept>

Files::Files(QString programFolder) : programFolder_(std::move(programFolder)) {
    while (programFolder_.size() > 1 && programFolder_.endsWith(u'/')) {
        programFolder_.chop(1);
    }
}

QString Files::BesideProgram(const QString& name) const {
    const QString separator = programFolder_.endsWith(u'/') ? QString() : QStringLiteral("/");
    return QDir::toNativeSeparators(programFolder_ + separator + name);
}

bool Files::FileExists(const QString& path) {
    if (path.isEmpty()) {
        return false;
    }
    const QFileInfo info(path);
    return info.exists() && info.lastModified().isValid();
}

QByteArray ReadSmallFile(const QString& path, qint64 limit) {
    const auto refuse = [&path](const QString& why) {
        return std::runtime_error(
            QStringLiteral("%1 cannot be read: %2").arg(path, why).toStdString());
    };
    // Opened without waiting, so a FIFO cannot block; what it is decides before any read.
    const int handle = FileSystem::OpenToRead(path);
    if (handle < 0) {
        throw refuse(FileSystem::ErrorText(errno));
    }
    QFile file;
    file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    FileStatus kind;
    if (FileSystem::StatusOf(handle, kind) != 0 || !kind.regular) {
        throw refuse(QStringLiteral("it is not a regular file."));
    }
    // Read one byte past the limit, since the file may have grown since it was looked at.
    const qint64 size = kind.identity.size;
    QByteArray bytes = size > limit ? QByteArray() : file.read(limit + 1);
    if (size > limit || bytes.size() > limit) {
        throw refuse(QStringLiteral("it is larger than %1 bytes.").arg(limit));
    }
    if (file.error() != QFileDevice::NoError) {
        throw refuse(file.errorString());
    }
    return bytes;
}

bool Files::IsNormalFile(const QString& path) {
    if (path.isEmpty()) {
        return false;
    }
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}
