// The exception every failure of the riddle store is raised as.
#pragma once

#include <QDir>
#include <QString>

#include <stdexcept>

class StoreError final : public std::runtime_error {
public:
    explicit StoreError(const QString& description)
        : std::runtime_error(description.toStdString()) {}
};

// The report for a row that was there when its key was taken and is gone when it is read.
inline StoreError RowGone(qint64 key, const QString& path) {
    return StoreError(QStringLiteral("The riddle with key %1 is no longer in %2.")
                          .arg(key)
                          .arg(QDir::toNativeSeparators(path)));
}
