// Test riddle files are made with the store's own writer, as the riddle tool makes its files.
#include "tests/support/RiddleFiles.h"

#include "store/RiddleFile.h"
#include "store/sqlcipher/RiddleFileWriter.h"

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
