// Reads the riddle file's path and password out of a connection string.
#pragma once

#include <QString>

struct ConnectionSettings {
    QString dataSource;
    QString password;
};

// Accepts "Provider=...;Data Source=...;JET OLEDB:Database Password=..." in any order. A value
// runs to the next ";" that starts another known key, so a folder name holding ";" survives.
// Throws StoreError when there is no Data Source.
ConnectionSettings ParseConnectionString(const QString& text);
