// Riddle files and other test files, made in a temporary folder for one test.
#pragma once

#include "store/RiddleRecord.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <vector>

class TestFolder final {
public:
    TestFolder();
    QString Path(const QString& name) const { return dir_.filePath(name); }
    QString Folder() const { return dir_.path(); }

    // Writes a riddle file with the given rows, keyed with `password` (the program's by default).
    QString MakeRiddleFile(const QString& name, const std::vector<RiddleRecord>& rows,
                           const QString& password = {}) const;
    QString WriteBytes(const QString& name, const QByteArray& bytes) const;

private:
    QTemporaryDir dir_;
};

// Rows 1..count with riddle "Riddle n" and answer "Answer n".
std::vector<RiddleRecord> NumberedRiddles(int count);

// The file's bytes, or "<missing>" when it cannot be read.
QByteArray ReadFile(const QString& path);
QByteArray FileHash(const QString& path);
// Everything in a folder, FIFOs and sockets too.
QStringList Entries(const QString& folder);
