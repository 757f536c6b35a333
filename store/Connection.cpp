// Opening and closing the riddle file behind the program's connection.
#include "store/Connection.h"

#include "store/ConnectionString.h"
#include "store/DatabaseHeader.h"
#include "store/StoreError.h"
#include "store/legacy/LegacyFile.h"
#include "store/legacy/LegacyTable.h"
#include "store/sqlcipher/RiddleTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <chrono>
#include <random>

namespace {

quint64 FreshSeed() {
    static std::random_device device;
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    return (static_cast<quint64>(device()) << 32) ^ device() ^ static_cast<quint64>(now);
}

// The first page of the file; empty for anything that is not a regular file, whose own opening
// says what is wrong without waiting on a FIFO.
QByteArray Head(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.read(4096);
}

}  // namespace

std::shared_ptr<RiddleSource> OpenRiddleSource(const QString& path, const QString& password,
                                               SeedSource seeds, const QString& legacyReader) {
    const QByteArray head = Head(path);
    switch (const DatabaseKind kind = KindOfDatabase(head)) {
        case DatabaseKind::Other:
            return std::make_shared<RiddleTable>(path, password, seeds);
        case DatabaseKind::Jet3:
        case DatabaseKind::Jet4: {
            // The reader's library never asks for the password, so it is checked here: a file
            // without one, or with the one given, opens.
            if (const QString stored = AccessPassword(head);
                !stored.isEmpty() && stored != password) {
                throw StoreError(
                    QStringLiteral("The riddle file %1 cannot be read: its password is not "
                                   "the program's. quorvane-riddles import --password converts "
                                   "a file protected by another password.")
                        .arg(QDir::toNativeSeparators(path)));
            }
            // Its rows are read at the first query, not here.
            return std::make_shared<LegacyTable>(
                path, legacyReader.isEmpty() ? FindLegacyReader() : legacyReader, seeds);
        }
        default:
            // Another kind of database is named, rather than reported as a wrong password.
            throw StoreError(
                QStringLiteral("The riddle file %1 is %2, which this program cannot read.")
                    .arg(QDir::toNativeSeparators(path), DatabaseKindName(kind)));
    }
}

Connection::Connection(SeedSource seeds, QString legacyReader)
    : seeds_(seeds ? std::move(seeds) : FreshSeed), legacyReader_(std::move(legacyReader)) {}

int Connection::State() const {
    return table_ ? 1 : 0;
}

void Connection::Open(const QString& connectionString) {
    if (table_) {
        throw StoreError(QStringLiteral("The connection to the riddle file is already open."));
    }
    const ConnectionSettings settings = ParseConnectionString(connectionString);
    table_ = OpenRiddleSource(settings.dataSource, settings.password, seeds_, legacyReader_);
}

void Connection::Close() {
    table_.reset();
}

std::shared_ptr<RiddleSource> Connection::Table() const {
    if (!table_) {
        throw StoreError(
            QStringLiteral("The riddle file is not open, so no riddles can be read from it."));
    }
    return table_;
}
