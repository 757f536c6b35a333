// Facts about the riddle file that the program and the riddle tool share.
#pragma once

#include "store/RiddleSchema.h"

#include <QByteArray>
#include <QString>

namespace RiddleFile {

inline const QString FileName = QStringLiteral("dbRiddles.mdb");
inline const QString TableName = QString::fromLatin1(RiddleSchema::Table);

// The program's own key for the riddle file; it is part of the program and never asked of the user.
inline const QString Password = QStringLiteral("lanternquietmoss");

// SQLCipher 3's settings, except for the page size: files the riddle tool wrote before it chose
// a page size have SQLCipher 3's 1 KB pages, and are still read.
constexpr int PageSize = 4096;
constexpr int FirstPageSize = 1024;
constexpr int KeyIterations = 64000;

// An index on the id column, which holds every row key in a few pages: the first draw reads it
// instead of the whole table. SQLite keeps it up to date through any change to the table.
inline const QString KeyIndexName = QString::fromLatin1(RiddleSchema::KeyIndex);

// An SQL statement about the riddle file in which "{table}" and "{index}" stand for the names of
// the table and its index.
inline QByteArray Sql(const char* statement) {
    return QByteArray(statement)
        .replace("{table}", RiddleSchema::Table)
        .replace("{index}", RiddleSchema::KeyIndex);
}

// The connection string the program opens its riddle file with.
inline QString ConnectionString(const QString& riddleFilePath) {
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source= ") + riddleFilePath +
           QStringLiteral(";JET OLEDB:Database Password=") + Password;
}

}  // namespace RiddleFile
