// Opening and closing the riddle file behind the program's connection.
#include "store/Connection.h"

#include "store/ConnectionString.h"
#include "store/DatabaseHeader.h"
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

// Another kind of database is named, rather than reported as a file with the wrong password.
void RefuseOtherDatabases(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        return;  // the riddle file's own opening says what is wrong, without waiting on a FIFO
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return;
    }
    const DatabaseKind kind = KindOfDatabase(file.read(4096));
    if (kind != DatabaseKind::Other) {
        throw StoreError(QStringLiteral("The riddle file %1 is %2, which this program cannot read.")
                             .arg(QDir::toNativeSeparators(path), DatabaseKindName(kind)));
    }
}

}  // namespace

Connection::Connection(SeedSource seeds) : seeds_(seeds ? std::move(seeds) : FreshSeed) {}

int Connection::State() const {
    return table_ ? 1 : 0;
}

void Connection::Open(const QString& connectionString) {
    if (table_) {
        throw StoreError(QStringLiteral("The connection to the riddle file is already open."));
    }
    const ConnectionSettings settings = ParseConnectionString(connectionString);
    RefuseOtherDatabases(settings.dataSource);
    table_ = std::make_shared<RiddleTable>(settings.dataSource, settings.password, seeds_);
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
