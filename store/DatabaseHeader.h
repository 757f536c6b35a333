// What the first page of a database file tells about it, read without any database library:
// which kind of database it is, and the database password of an Access (Jet) file, which the
// library that reads such files never checks.
#pragma once

#include <QByteArray>
#include <QString>

enum class DatabaseKind {
    Other,   // no known header: our own riddle files look like this, being encrypted throughout
    Sqlite,  // a plain, unencrypted SQLite database
    Jet3,    // Access 97
    Jet4,    // Access 2000 to 2003
    Ace,     // Access 2007 and later (.accdb)
};

// The kind of database whose file begins with these bytes.
DatabaseKind KindOfDatabase(const QByteArray& head);

// A name for the kind, for reports: "an Access 2007 or later file (.accdb)".
QString DatabaseKindName(DatabaseKind kind);

// The database password in the header of a Jet 3 or Jet 4 file, empty when it has none. Throws
// StoreError when the bytes are too few to hold the header.
QString AccessPassword(const QByteArray& head);
