// Checked writes: every byte written, flushed to disk, then one rename. QSaveFile alone is not
// enough: its buffered write can fail inside commit() and still rename a short file over the
// old one.
#include "kit/ReplaceFile.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <stdexcept>

#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void Fail(const QString& path, const QString& reason) {
    throw std::runtime_error(
        QStringLiteral("The file %1 could not be written: %2").arg(path, reason).toStdString());
}

}  // namespace

qint64 FileCalls::SystemWrite(int handle, const char* data, qint64 size) {
    return ::write(handle, data, static_cast<size_t>(size));
}

int FileCalls::SystemSync(int handle) {
    return ::fsync(handle);
}

void ReplaceFile(const QString& path, const QByteArray& bytes, const FileCalls& calls) {
    // Opening a FIFO could block, and renaming over a device or socket would replace it.
    struct stat target {};
    if (::stat(QFile::encodeName(path).constData(), &target) == 0 && !S_ISREG(target.st_mode)) {
        Fail(path, QStringLiteral("it is not a regular file, so it was left as it was."));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        Fail(path, file.errorString());
    }
    const int handle = file.handle();
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = calls.write(handle, bytes.constData() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            Fail(path, written < 0 ? qt_error_string(errno)
                                   : QStringLiteral("the device took no more bytes."));
        }
        done += written;
    }
    // Some file systems report a full disk only when the data reaches it.
    if (calls.sync(handle) != 0) {
        Fail(path, qt_error_string(errno));
    }
    if (!file.commit()) {
        Fail(path, file.errorString());
    }
}
