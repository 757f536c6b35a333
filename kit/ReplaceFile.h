// Replacing a file's whole content so that a failure at any point leaves the old file as it was.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// How bytes reach the open temporary file and then the disk; each answers as write(2) and
// fsync(2) do. The system's calls by default; tests put a device that fails in their place.
struct FileCalls {
    std::function<qint64(int handle, const char* data, qint64 size)> write = SystemWrite;
    std::function<int(int handle)> sync = SystemSync;

    static qint64 SystemWrite(int handle, const char* data, qint64 size);
    static int SystemSync(int handle);
};

// Replaces the file at path with bytes. A path that exists and is not a regular file (a FIFO, a
// device, a socket, a folder) is refused before anything is written. The bytes go to a
// temporary file beside the target, which is flushed to disk and renamed over the target only
// once all of it is written; on any failure the temporary file is removed, the target keeps its
// bytes, and std::runtime_error says why.
void ReplaceFile(const QString& path, const QByteArray& bytes, const FileCalls& calls = {});
