// Owning wrappers over SQLCipher handles; every failure becomes a StoreError that names the file.
#include "store/sqlcipher/SqlCipher.h"

#include "store/StoreError.h"

#include <QDir>
#include <QFile>

#include <openssl/evp.h>
#include <sqlite3.h>

namespace sqlcipher {

namespace {

QString Describe(int code, const QString& path, const char* engineMessage) {
    const QString where = QDir::toNativeSeparators(path);
    switch (code & 0xff) {
        case SQLITE_NOTADB:
            return QStringLiteral(
                       "The riddle file %1 cannot be read: it is not a riddle file, "
                       "or its password is not the program's.")
                .arg(where);
        case SQLITE_CORRUPT:
            return QStringLiteral("The riddle file %1 is damaged.").arg(where);
        case SQLITE_CANTOPEN:
            return QStringLiteral("The riddle file %1 cannot be opened.").arg(where);
        case SQLITE_IOERR:
            if (code == SQLITE_IOERR_SHORT_READ) {
                return QStringLiteral("The riddle file %1 is truncated.").arg(where);
            }
            return QStringLiteral("The riddle file %1 cannot be read (%2).")
                .arg(where, QString::fromUtf8(engineMessage));
        case SQLITE_FULL:
            return QStringLiteral("The disk holding %1 is full.").arg(where);
        default:
            return QStringLiteral("Riddle file %1: %2")
                .arg(where, QString::fromUtf8(engineMessage));
    }
}

}  // namespace

QByteArray DerivedKey(const QString& path, const QString& password, int iterations) {
    constexpr int SaltSize = 16;
    constexpr int KeySize = 32;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray salt = file.read(SaltSize);
    if (salt.size() != SaltSize) {
        return {};
    }
    const QByteArray secret = password.toUtf8();
    QByteArray key(KeySize, Qt::Uninitialized);
    if (PKCS5_PBKDF2_HMAC_SHA1(secret.constData(), static_cast<int>(secret.size()),
                               reinterpret_cast<const unsigned char*>(salt.constData()), SaltSize,
                               iterations, KeySize,
                               reinterpret_cast<unsigned char*>(key.data())) != 1) {
        return {};
    }
    return "x'" + key.toHex() + "'";
}

Database::Database(const QString& path, const QString& password, Access access) : path_(path) {
    Open(path, password.toUtf8(), access);
}

Database::Database(const QString& path, const QByteArray& derivedKey, Access access) : path_(path) {
    Open(path, derivedKey, access);
}

void Database::Open(const QString& path, const QByteArray& key, Access access) {
    // A connection is only ever used by one thread at a time, so SQLite's own locking of every
    // call is left out.
    const int flags = (access == Access::ReadOnly ? SQLITE_OPEN_READONLY
                                                  : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE) |
                      SQLITE_OPEN_NOMUTEX;
    // SQLite takes names in UTF-8 everywhere; on Windows it opens them through the wide calls.
    const int opened = sqlite3_open_v2(path.toUtf8().constData(), &db_, flags, nullptr);
    if (opened != SQLITE_OK) {
        const QString description = Describe(opened, path_, sqlite3_errstr(opened));
        sqlite3_close(db_);
        db_ = nullptr;
        throw StoreError(description);
    }
    sqlite3_extended_result_codes(db_, 1);
    if (const int keyed = sqlite3_key(db_, key.constData(), static_cast<int>(key.size()));
        keyed != SQLITE_OK) {
        const QString description = Describe(keyed, path_, sqlite3_errmsg(db_));
        sqlite3_close(db_);  // the destructor does not run for a constructor that throws
        db_ = nullptr;
        throw StoreError(description);
    }
}

Database::~Database() {
    sqlite3_close_v2(db_);
}

void Database::Check(int code) const {
    if (code == SQLITE_OK || code == SQLITE_ROW || code == SQLITE_DONE) {
        return;
    }
    const char* message = db_ != nullptr ? sqlite3_errmsg(db_) : sqlite3_errstr(code);
    throw StoreError(Describe(code, path_, message));
}

void Database::Execute(const char* sql) {
    char* message = nullptr;
    const int code = sqlite3_exec(db_, sql, nullptr, nullptr, &message);
    sqlite3_free(message);
    Check(code);
}

void Database::SetPageSize(int bytes) {
    Execute(("PRAGMA cipher_page_size = " + QByteArray::number(bytes)).constData());
}

bool Database::Readable() {
    const int code =
        sqlite3_exec(db_, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (code == SQLITE_NOTADB) {
        return false;
    }
    Check(code);
    return true;
}

void Database::ReleaseMemory() {
    sqlite3_db_release_memory(db_);
}

bool Database::Autocommit() const {
    return sqlite3_get_autocommit(db_) != 0;
}

ReadTransaction::ReadTransaction(Database& db) : db_(db) {
    if (db_.Autocommit()) {
        db_.Execute("BEGIN");
        began_ = true;
    }
}

ReadTransaction::~ReadTransaction() {
    if (began_) {
        try {
            db_.Execute("COMMIT");
        } catch (const std::exception&) {
        }
    }
}

void Database::Execute(const QByteArray& sql) {
    Execute(sql.constData());
}

Statement Database::Prepare(const QByteArray& sql) {
    return Prepare(sql.constData());
}

Statement Database::Prepare(const char* sql) {
    return Statement(*this, sql);
}

Statement::Statement(Database& db, const char* sql) : db_(&db) {
    db_->Check(sqlite3_prepare_v2(db.Handle(), sql, -1, &stmt_, nullptr));
}

Statement::~Statement() {
    sqlite3_finalize(stmt_);
}

Statement::Statement(Statement&& other) noexcept : db_(other.db_), stmt_(other.stmt_) {
    other.stmt_ = nullptr;
}

void Statement::Bind(int index, qint64 value) {
    db_->Check(sqlite3_bind_int64(stmt_, index, value));
}

void Statement::Bind(int index, const QString& value) {
    const QByteArray text = value.toUtf8();
    db_->Check(sqlite3_bind_text(stmt_, index, text.constData(), static_cast<int>(text.size()),
                                 SQLITE_TRANSIENT));
}

void Statement::BindNull(int index) {
    db_->Check(sqlite3_bind_null(stmt_, index));
}

bool Statement::Step() {
    const int code = sqlite3_step(stmt_);
    db_->Check(code);
    return code == SQLITE_ROW;
}

void Statement::Reset() {
    sqlite3_reset(stmt_);
}

int Statement::ColumnCount() const {
    return sqlite3_column_count(stmt_);
}

int Statement::Type(int column) const {
    return sqlite3_column_type(stmt_, column);
}

double Statement::Double(int column) const {
    return sqlite3_column_double(stmt_, column);
}

QByteArrayView Statement::Bytes(int column) const {
    // The pointer first: asking for it may convert the value, which changes its length.
    const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt_, column));
    return {data, sqlite3_column_bytes(stmt_, column)};
}

qint64 Statement::Int64(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

QVariant Statement::Value(int column) const {
    switch (sqlite3_column_type(stmt_, column)) {
        case SQLITE_NULL:
            return {};
        case SQLITE_INTEGER:
            return QVariant::fromValue<qint64>(sqlite3_column_int64(stmt_, column));
        case SQLITE_FLOAT:
            return sqlite3_column_double(stmt_, column);
        case SQLITE_BLOB: {
            const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt_, column));
            return QByteArray(data, sqlite3_column_bytes(stmt_, column));
        }
        default: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
            return QString::fromUtf8(text, sqlite3_column_bytes(stmt_, column));
        }
    }
}

}  // namespace sqlcipher
