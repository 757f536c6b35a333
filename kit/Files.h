// The file-system questions the program asks about the files beside itself.
#pragma once

#include <QByteArray>
#include <QString>

class Files final {
public:
    // The folder of the running program, without a trailing separator.
    explicit Files(QString programFolder);

    // The program folder, the platform's separator and the name; "x/o.cjs" names a subfolder.
    QString BesideProgram(const QString& name) const;

    // True when the modification time of path can be read; never fails.
    static bool FileExists(const QString& path);
    // True for a normal file as a directory listing shows it: not a folder, not hidden.
    static bool IsNormalFile(const QString& path);

private:
    QString programFolder_;
};

// The optional files beside the program, next to the riddle file (RiddleFile::FileName): the
// hand pointer and the main window's skin, in the folder "x".
inline const QString HandCursorFileName = QStringLiteral("HAND-M.CUR");
inline const QString SkinFileName = QStringLiteral("x/o.cjs");

// Files beside the program that are read whole (the pointer, the skin) are small.
inline constexpr qint64 SmallFileLimit = 4 * 1024 * 1024;

// The bytes of a regular file of at most `limit` bytes; throws std::runtime_error for anything
// else. A FIFO, device or socket is refused without waiting on it.
QByteArray ReadSmallFile(const QString& path, qint64 limit = SmallFileLimit);
