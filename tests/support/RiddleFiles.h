// Riddle files made in a temporary folder for one test.
#pragma once

#include "tools/RiddleRecord.h"

#include <QString>
#include <QTemporaryDir>

#include <vector>

class TestFolder final {
public:
    TestFolder();
    QString Path(const QString& name) const { return dir_.filePath(name); }
    const QString& Folder() const { return folder_; }

    // Writes a riddle file with the given rows, keyed with `password` (the program's by default).
    QString MakeRiddleFile(const QString& name, const std::vector<RiddleRecord>& rows,
                           const QString& password = {}) const;
    QString WriteBytes(const QString& name, const QByteArray& bytes) const;

private:
    QTemporaryDir dir_;
    QString folder_;
};

// Rows 1..count with riddle "Riddle n" and answer "Answer n".
std::vector<RiddleRecord> NumberedRiddles(int count);

QByteArray FileHash(const QString& path);
