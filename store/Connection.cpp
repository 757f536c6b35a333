// Opening and closing the riddle file behind the program's connection.
#include "store/Connection.h"

#include "store/ConnectionString.h"
#include "store/DatabaseHeader.h"
#include "store/LegacyFile.h"
#include "store/LegacyTable.h"
#include "store/RiddleTable.h"
#include "store/StoreError.h"

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
    const QString& path = settings.dataSource;
    const QByteArray head = Head(path);
    switch (const DatabaseKind kind = KindOfDatabase(head)) {
        case DatabaseKind::Other:
            table_ = std::make_shared<RiddleTable>(path, settings.password, seeds_);
            return;
        case DatabaseKind::Jet4: {
            // The reader's library never asks for the password, so it is checked here: a file
            // without one, or with the program's, opens.
            if (const QString password = Jet4Password(head);
                !password.isEmpty() && password != settings.password) {
                throw StoreError(
                    QStringLiteral("The riddle file %1 cannot be read: its password is "
                                   "not the program's.")
                        .arg(QDir::toNativeSeparators(path)));
            }
            // Its rows are read at the first query, not here.
            table_ = std::make_shared<LegacyTable>(
                path, legacyReader_.isEmpty() ? LegacyReaderBesideProgram() : legacyReader_,
                seeds_);
            return;
        }
        default:
            // Another kind of database is named, rather than reported as a wrong password.
            throw StoreError(
                QStringLiteral("The riddle file %1 is %2, which this program cannot read.")
                    .arg(QDir::toNativeSeparators(path), DatabaseKindName(kind)));
    }
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
