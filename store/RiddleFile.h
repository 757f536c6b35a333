// Facts about the riddle file that the program and the riddle tool share.
#pragma once

#include <QString>

namespace RiddleFile {

inline const QString FileName = QStringLiteral("dbRiddles.mdb");
inline const QString TableName = QStringLiteral("tblRiddles");

// The program's own key for the riddle file; it is part of the program and never asked of the user.
inline const QString Password = QStringLiteral("lanternquietmoss");

// SQLCipher 3's settings, except for the page size: files the riddle tool wrote before it chose
// a page size have SQLCipher 3's 1 KB pages, and are still read.
constexpr int PageSize = 4096;
constexpr int FirstPageSize = 1024;
constexpr int KeyIterations = 64000;

// An index on the id column, which holds every row key in a few pages: the first draw reads it
// instead of the whole table. SQLite keeps it up to date through any change to the table.
inline const QString KeyIndexName = QStringLiteral("idxRiddlesId");

// The connection string the program opens its riddle file with.
inline QString ConnectionString(const QString& riddleFilePath) {
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source= ") + riddleFilePath +
           QStringLiteral(";JET OLEDB:Database Password=") + Password;
}

}  // namespace RiddleFile
