#include "tests/support/SpecialFiles.h"

#include <QFile>

#include <cerrno>
#include <stdexcept>

#include <sys/stat.h>

QStringList MakeSpecialFiles(const QString& folder) {
    const QStringList paths{folder + QStringLiteral("/fifo"),
                            folder + QStringLiteral("/link to fifo")};
    if (!MakeFifo(paths[0]).isEmpty() || !MakeSymbolicLink(paths[0], paths[1]).isEmpty()) {
        throw std::runtime_error("cannot make the special files");
    }
    return paths;
}

QString MakeFifo(const QString& path) {
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 ? QString()
                                                                    : qt_error_string(errno);
}

QString MakeSymbolicLink(const QString& target, const QString& link) {
    return QFile::link(target, link) ? QString() : QStringLiteral("cannot make the link");
}
