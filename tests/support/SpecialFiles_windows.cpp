#include "tests/support/SpecialFiles.h"

// Windows finds its devices in every folder: there a file named NUL is the null device.
QStringList MakeSpecialFiles(const QString& folder) {
    return {folder + QStringLiteral("/NUL")};
}

QString MakeFifo(const QString&) {
    return QStringLiteral("Windows has no FIFOs");
}

// Windows lets administrators make symbolic links, and others in developer mode only.
QString MakeSymbolicLink(const QString&, const QString&) {
    return QStringLiteral("the tests make no symbolic links on Windows");
}
