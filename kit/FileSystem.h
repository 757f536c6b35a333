// The few calls on files whose form differs between POSIX systems and Windows. They take Qt's
// paths and answer as their POSIX namesakes do: -1 and errno on failure. Handles are the C
// runtime's, so QFile can take them over. FileSystem_posix.cpp and FileSystem_windows.cpp hold
// them.
#pragma once

#include <QString>

// Which file stands at a path. Every settings writer, ours or Qt's, puts a new file in place
// of the old, so a file with the same identity holds the same text.
struct FileIdentity {
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    bool operator==(const FileIdentity&) const = default;
};

struct FileStatus {
    bool regular = false;  // a plain file, not a folder, FIFO, device or socket
    FileIdentity identity;
};

namespace FileSystem {

// Opens a file for reading without waiting, so that a FIFO cannot block.
int OpenToRead(const QString& path);
// Creates a file that did not exist, for reading and writing, as a new file would be made.
int CreateNew(const QString& path);
int StatusOf(const QString& path, FileStatus& status);
int StatusOf(int handle, FileStatus& status);
// Gives the file at `handle` the permissions of the file at `from`, where the system lets it.
void CopyPermissions(const QString& from, int handle);
qint64 Write(int handle, const char* data, qint64 size);
// Waits until what was written has reached the disk.
int Sync(int handle);
int Close(int handle);
// Puts the file `from` in the place of `to` in one step, replacing a file there.
int Rename(const QString& from, const QString& to);
// Asks that the folder's latest renames reach the disk; failure changes nothing written.
void SyncFolder(const QString& folder);
int Remove(const QString& path);

// What an errno value these calls left says, in the system's words.
QString ErrorText(int error);

}  // namespace FileSystem
