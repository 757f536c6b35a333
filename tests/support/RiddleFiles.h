// Riddle files and other test files, made in a temporary folder for one test, the files kept in
// the source tree, and the queries that read riddle files back.
#pragma once

#include "store/RecordSet.h"
#include "store/RiddleRecord.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <vector>

class Connection;

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

// A file kept in the source tree, by its path from the top; Access samples are in tests/data/jet.
QString SourceFile(const QString& path);
QString JetSample(const char* name);

// Writes through a stock SQLCipher connection with its own page size, as someone editing a riddle
// file by hand, or an earlier tool, would.
void EditWithStockSqlCipher(const QString& path, int pageSize, const char* sql);

// The two queries the program sends, and a read-only record set opened on one as it opens them.
inline const QString AllRiddles = QStringLiteral("select * from tblRiddles");
QString RandomRiddles(int count);
void OpenQuery(RecordSet& records, Connection& connection, const QString& sql);
// Every row a query gives, each as its id, riddle and answer.
using Rows = std::vector<std::vector<QVariant>>;
Rows ReadRows(Connection& connection, const QString& sql);
