// File look-ups that answer yes or no and never raise a failure of their own.
#include "app/Files.h"

#include <QDir>
#include <QFileInfo>

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

bool Files::IsNormalFile(const QString& path) {
    if (path.isEmpty()) {
        return false;
    }
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}
