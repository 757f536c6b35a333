#include "tests/support/TinyDisk.h"

TinyDisk::TinyDisk(const QString& folder) : folder_(folder) {
    QDir().mkpath(folder);
    why_ = QStringLiteral("Windows mounts small disks only as drives an administrator attaches");
}

TinyDisk::~TinyDisk() = default;
