// Facts about the riddle file that the program and the riddle tool share.
#pragma once

#include <QString>

namespace RiddleFile {

inline const QString FileName = QStringLiteral("dbRiddles.mdb");
inline const QString TableName = QStringLiteral("tblRiddles");

// The program's own key for the riddle file; it is part of the program and never asked of the user.
inline const QString Password = QStringLiteral("lanternquietmoss");

// The connection string the program opens its riddle file with.
inline QString ConnectionString(const QString& riddleFilePath) {
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source= ") + riddleFilePath +
           QStringLiteral(";JET OLEDB:Database Password=") + Password;
}

}  // namespace RiddleFile
