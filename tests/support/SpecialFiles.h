// Paths in a folder that are no plain file: a FIFO and a link to it on POSIX systems, a device on
// Windows (SpecialFiles_posix.cpp, SpecialFiles_windows.cpp). Failing throws.
#pragma once

#include <QStringList>

QStringList MakeSpecialFiles(const QString& folder);
// Each answers an empty text, or why the system made no file; a target is from the link's folder.
QString MakeFifo(const QString& path);
QString MakeSymbolicLink(const QString& target, const QString& link);
