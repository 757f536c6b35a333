// Test riddle files are made with the store's own writer, as the riddle tool makes its files.
#include "tests/support/RiddleFiles.h"

#include "store/RiddleFile.h"
#include "store/sqlcipher/RiddleFileWriter.h"
#include "store/sqlcipher/SqlCipher.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <stdexcept>

using namespace Qt::StringLiterals;

TestFolder::TestFolder() {
    if (!dir_.isValid()) {
        throw std::runtime_error("cannot make a temporary folder");
    }
}

QString TestFolder::MakeRiddleFile(const QString& name, const std::vector<RiddleRecord>& rows,
                                   const QString& password) const {
    const QString path = Path(name);
    QFile::remove(path);  // the writer starts only where there is no file
    RiddleFileWriter writer(path, password.isEmpty() ? RiddleFile::Password : password);
    for (const RiddleRecord& row : rows) {
        writer.Add(row);
    }
    writer.Finish();
    return path;
}

QString TestFolder::WriteBytes(const QString& name, const QByteArray& bytes) const {
    const QString path = Path(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write a test file");
    }
    return path;
}

std::vector<RiddleRecord> NumberedRiddles(int count) {
    std::vector<RiddleRecord> rows;
    for (int i = 1; i <= count; ++i) {
        rows.push_back({i, u"Riddle %1"_s.arg(i), u"Answer %1"_s.arg(i)});
    }
    return rows;
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QByteArray FileHash(const QString& path) {
    return QCryptographicHash::hash(ReadFile(path), QCryptographicHash::Sha256);
}

QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
}

QString SourceFile(const QString& path) {
    return QStringLiteral(QUORVANE_SOURCE_DIR "/") + path;
}

QString JetSample(const char* name) {
    return SourceFile(u"tests/data/jet/"_s + QString::fromLatin1(name));
}

void EditWithStockSqlCipher(const QString& path, int pageSize, const char* sql) {
    sqlcipher::Database db(path, RiddleFile::Password, sqlcipher::Access::Create);
    db.SetPageSize(pageSize);
    db.Execute(sql);
}

QString RandomRiddles(int count) {
    return u"select top %1 * from tblRiddles ORDER BY Rnd([id])"_s.arg(count);
}

void OpenQuery(RecordSet& records, Connection& connection, const QString& sql) {
    records.Open(sql, connection, RecordSet::CursorType::Static, RecordSet::LockType::ReadOnly);
}

Rows ReadRows(Connection& connection, const QString& sql) {
    RecordSet records;
    OpenQuery(records, connection, sql);
    Rows rows;
    for (; !records.Eof(); records.MoveNext()) {
        rows.push_back({records.Fields(0).Value, records.Fields(1).Value, records.Fields(2).Value});
    }
    return rows;
}
