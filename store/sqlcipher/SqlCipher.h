// Thin owning wrappers over an SQLCipher database handle and a prepared statement.
#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace sqlcipher {

enum class Access { ReadOnly, Create };

// The key SQLCipher 3 derives from the password and the salt at the start of the file, written
// as the raw key sqlite3_key takes, so that further connections to the file skip the slow
// derivation; empty when the file is too short to hold a salt.
QByteArray DerivedKey(const QString& path, const QString& password, int iterations);

class Statement;

class Database final {
public:
    // Opens and keys the file with a password, or with a key from DerivedKey. A wrong key or a
    // file that is no database is only noticed by the first statement that reads it.
    Database(const QString& path, const QString& password, Access access);
    Database(const QString& path, const QByteArray& derivedKey, Access access);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void Execute(const char* sql);
    void Execute(const QByteArray& sql);
    // The size of the file's encrypted pages, which SQLCipher cannot tell from the file itself.
    void SetPageSize(int bytes);
    // Whether the first page decrypts with the key: false for a wrong key, a wrong page size or
    // a file that is no riddle file; any other failure throws.
    bool Readable();
    Statement Prepare(const char* sql);
    Statement Prepare(const QByteArray& sql);
    // Gives the memory of cached pages no statement uses back.
    void ReleaseMemory();
    // False inside a transaction begun with BEGIN.
    bool Autocommit() const;
    sqlite3* Handle() const { return db_; }
    const QString& Path() const { return path_; }

    // Raises a StoreError naming the file when code is not one of the success codes.
    void Check(int code) const;

private:
    void Open(const QString& path, const QByteArray& key, Access access);

    sqlite3* db_ = nullptr;
    QString path_;
};

// One read transaction over the statements run while it lives, unless the connection is inside
// one already. Its statements see one state of the file, and take the file's lock and check its
// journal once instead of once each. While it lasts no other process can commit a change.
class ReadTransaction final {
public:
    explicit ReadTransaction(Database& db);
    // A read-only transaction has nothing to lose, and the connection ends it when it closes, so
    // a failure to end it is left alone.
    ~ReadTransaction();
    ReadTransaction(const ReadTransaction&) = delete;
    ReadTransaction& operator=(const ReadTransaction&) = delete;

private:
    Database& db_;
    bool began_ = false;
};

class Statement final {
public:
    Statement(Database& db, const char* sql);
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&&) = delete;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void Bind(int index, qint64 value);
    void Bind(int index, const QString& value);
    void BindNull(int index);

    // Advances to the next row; false when there is none.
    bool Step();
    void Reset();

    int ColumnCount() const;
    // SQLite's type of the column's value: SQLITE_INTEGER, SQLITE_FLOAT, SQLITE_TEXT and so on.
    int Type(int column) const;
    qint64 Int64(int column) const;
    double Double(int column) const;
    // The bytes of a text or blob value, valid until the statement moves on.
    QByteArrayView Bytes(int column) const;
    // The column as the program sees it: null, a whole number, a real, text or bytes.
    QVariant Value(int column) const;

private:
    Database* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

}  // namespace sqlcipher
