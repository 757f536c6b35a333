// A disk that goes bad part-way through: an SQLite file layer laid over the default one, whose
// reads of riddle files fail once a set number of them have been served. While an instance
// lives it is SQLite's default, so every connection the program opens goes through it.
#pragma once

#include <sqlite3.h>

#include <atomic>
#include <cstring>

class FailingReads final {
public:
    FailingReads() {
        real_ = sqlite3_vfs_find(nullptr);
        vfs_ = *real_;
        vfs_.zName = "quorvane-failing-reads";
        vfs_.szOsFile = static_cast<int>(sizeof(File)) + real_->szOsFile;
        vfs_.xOpen = &Open;
        vfs_.pAppData = this;
        sqlite3_vfs_register(&vfs_, 1);
    }
    ~FailingReads() {
        sqlite3_vfs_unregister(&vfs_);
        sqlite3_vfs_register(real_, 1);
    }
    FailingReads(const FailingReads&) = delete;
    FailingReads& operator=(const FailingReads&) = delete;

    // Reads after this many more fail; -1 lets every read through.
    void FailAfter(int reads) { left_ = reads; }

private:
    struct File {
        sqlite3_file base;
        FailingReads* owner;
        sqlite3_file* real;  // placed right after this struct
    };

    static sqlite3_file* Real(sqlite3_file* file) { return reinterpret_cast<File*>(file)->real; }

    static int Open(sqlite3_vfs* vfs, const char* name, sqlite3_file* file, int flags,
                    int* outFlags) {
        auto* self = static_cast<FailingReads*>(vfs->pAppData);
        auto* shim = reinterpret_cast<File*>(file);
        shim->owner = self;
        shim->real = reinterpret_cast<sqlite3_file*>(shim + 1);
        const int code = self->real_->xOpen(self->real_, name, shim->real, flags, outFlags);
        shim->base.pMethods = nullptr;
        if (shim->real->pMethods != nullptr) {
            self->methods_ = *shim->real->pMethods;
            self->methods_.xClose = [](sqlite3_file* f) {
                return Real(f)->pMethods->xClose(Real(f));
            };
            self->methods_.xRead = &Read;
            self->methods_.xWrite = [](sqlite3_file* f, const void* d, int n, sqlite3_int64 at) {
                return Real(f)->pMethods->xWrite(Real(f), d, n, at);
            };
            self->methods_.xTruncate = [](sqlite3_file* f, sqlite3_int64 size) {
                return Real(f)->pMethods->xTruncate(Real(f), size);
            };
            self->methods_.xSync = [](sqlite3_file* f, int flags) {
                return Real(f)->pMethods->xSync(Real(f), flags);
            };
            self->methods_.xFileSize = [](sqlite3_file* f, sqlite3_int64* size) {
                return Real(f)->pMethods->xFileSize(Real(f), size);
            };
            self->methods_.xLock = [](sqlite3_file* f, int lock) {
                return Real(f)->pMethods->xLock(Real(f), lock);
            };
            self->methods_.xUnlock = [](sqlite3_file* f, int lock) {
                return Real(f)->pMethods->xUnlock(Real(f), lock);
            };
            self->methods_.xCheckReservedLock = [](sqlite3_file* f, int* out) {
                return Real(f)->pMethods->xCheckReservedLock(Real(f), out);
            };
            self->methods_.xFileControl = [](sqlite3_file* f, int op, void* arg) {
                return Real(f)->pMethods->xFileControl(Real(f), op, arg);
            };
            self->methods_.xSectorSize = [](sqlite3_file* f) {
                return Real(f)->pMethods->xSectorSize(Real(f));
            };
            self->methods_.xDeviceCharacteristics = [](sqlite3_file* f) {
                return Real(f)->pMethods->xDeviceCharacteristics(Real(f));
            };
            // Shared memory and memory maps are left out: rollback-journal files use neither.
            self->methods_.iVersion = 1;
            shim->base.pMethods = &self->methods_;
        }
        return code;
    }

    static int Read(sqlite3_file* file, void* data, int size, sqlite3_int64 at) {
        FailingReads* self = reinterpret_cast<File*>(file)->owner;
        int left = self->left_.load();
        while (left >= 0) {
            if (left == 0) {
                return SQLITE_IOERR_READ;
            }
            if (self->left_.compare_exchange_weak(left, left - 1)) {
                break;
            }
        }
        return Real(file)->pMethods->xRead(Real(file), data, size, at);
    }

    sqlite3_vfs* real_ = nullptr;
    sqlite3_vfs vfs_{};
    sqlite3_io_methods methods_{};
    std::atomic<int> left_{-1};
};
