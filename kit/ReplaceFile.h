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

// Replaces the file at path with one that `build` makes: a path that exists and is not a regular
// file (a FIFO, a device, a socket, a folder) is refused before anything is made. `build` is
// handed a new, empty file beside the target (or beside the file that links lead to, so that
// they stay), open at `handle` and named `pendingPath`, with the target's permissions. Once
// `build` returns, the file is flushed to disk and renamed over the target. On any failure the
// new file is removed, the target keeps its bytes, and the exception says why: build's own, or
// std::runtime_error naming the path.
void ReplaceFileWith(const QString& path,
                     const std::function<void(int handle, const QString& pendingPath)>& build,
                     const FileCalls& calls = {});

// Replaces the file at path with bytes, as ReplaceFileWith does.
void ReplaceFile(const QString& path, const QByteArray& bytes, const FileCalls& calls = {});
