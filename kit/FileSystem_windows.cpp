// The file calls on Windows: the C runtime's wide-character calls, so that any name a user can
// give reaches the file system whole, and the system's own where the runtime has no equivalent.
#include "kit/FileSystem.h"

#include <QDir>

#include <cerrno>
#include <climits>
#include <cwchar>

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

namespace {

const wchar_t* Wide(const QString& path) {
    return reinterpret_cast<const wchar_t*>(path.utf16());
}

QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// What the system said of a failed call, as the errno the callers report.
int ErrnoOf(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return ENOENT;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return EACCES;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return ENOSPC;
        case ERROR_NOT_SAME_DEVICE:
            return EXDEV;
        default:
            return EIO;
    }
}

// The volume and file index stand for the device and inode; the runtime's own fields are 0.
int Status(HANDLE file, FileStatus& status) {
    // A pipe or a device has no file information to give: it is simply no regular file.
    if (GetFileType(file) != FILE_TYPE_DISK) {
        status = {};
        return 0;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file, &info)) {
        errno = ErrnoOf(GetLastError());
        return -1;
    }
    status.regular = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    status.identity = {
        info.dwVolumeSerialNumber, (quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow,
        static_cast<qint64>((quint64(info.nFileSizeHigh) << 32) | info.nFileSizeLow)};
    return 0;
}

}  // namespace

namespace FileSystem {

int OpenToRead(const QString& path) {
    return _wopen(Wide(Native(path)), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
}

int CreateNew(const QString& path) {
    return _wopen(Wide(Native(path)), _O_RDWR | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                  _S_IREAD | _S_IWRITE);
}

int StatusOf(const QString& path, FileStatus& status) {
    // Opened for no access at all: enough to ask what it is, and folders open too.
    const HANDLE file =
        CreateFileW(Wide(Native(path)), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        errno = ErrnoOf(GetLastError());
        return -1;
    }
    const int result = Status(file, status);
    CloseHandle(file);
    return result;
}

int StatusOf(int handle, FileStatus& status) {
    const auto file = reinterpret_cast<HANDLE>(_get_osfhandle(handle));
    if (file == INVALID_HANDLE_VALUE) {
        errno = EBADF;
        return -1;
    }
    return Status(file, status);
}

// A new file takes its permissions from its folder, as the one it replaces did.
void CopyPermissions(const QString&, int) {}

qint64 Write(int handle, const char* data, qint64 size) {
    return _write(handle, data, static_cast<unsigned>(qMin<qint64>(size, INT_MAX)));
}

int Sync(int handle) {
    return _commit(handle);
}

int Close(int handle) {
    return _close(handle);
}

int Rename(const QString& from, const QString& to) {
    if (!MoveFileExW(Wide(Native(from)), Wide(Native(to)),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        errno = ErrnoOf(GetLastError());
        return -1;
    }
    return 0;
}

// MOVEFILE_WRITE_THROUGH has already waited for the rename to reach the disk.
void SyncFolder(const QString&) {}

int Remove(const QString& path) {
    return _wunlink(Wide(Native(path)));
}

// Qt's qt_error_string reads its number as a Windows error code, which errno values are not.
QString ErrorText(int error) {
    return QString::fromWCharArray(_wcserror(error));
}

}  // namespace FileSystem
