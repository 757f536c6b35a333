#include "tests/support/TinyDisk.h"

#include <cerrno>

#include <sys/mount.h>

TinyDisk::TinyDisk(const QString& folder) : folder_(folder) {
    QDir().mkpath(folder);
    mounted_ = ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=64k") == 0;
    why_ = mounted_ ? QString() : QStringLiteral("cannot mount a tmpfs: ") + qt_error_string(errno);
}

TinyDisk::~TinyDisk() {
    if (mounted_) {
        ::umount(QFile::encodeName(folder_).constData());
    }
}
