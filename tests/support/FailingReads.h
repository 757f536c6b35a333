// A disk that goes bad part-way through: an SQLite file layer laid over the default one, whose
// reads of riddle files fail once a set number of them have been served. While an instance
// lives it is SQLite's default, so every connection the program opens goes through it; close
// those connections before it ends.
#pragma once

#include <sqlite3.h>

#include <atomic>

class FailingReads final {
public:
    FailingReads() {
        real_ = sqlite3_vfs_find(nullptr);
        vfs_ = *real_;
        vfs_.zName = "quorvane-failing-reads";
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
    // The files are the default layer's own; only their table of operations is swapped for a
    // copy whose read counts down first. One instance runs at a time, so the read finds it here.
    static int Open(sqlite3_vfs* vfs, const char* name, sqlite3_file* file, int flags,
                    int* outFlags) {
        auto* self = static_cast<FailingReads*>(vfs->pAppData);
        const int code = self->real_->xOpen(self->real_, name, file, flags, outFlags);
        if (file->pMethods != nullptr) {
            self->realRead_ = file->pMethods->xRead;
            self->methods_ = *file->pMethods;
            self->methods_.xRead = &Read;
            current_ = self;
            file->pMethods = &self->methods_;
        }
        return code;
    }

    static int Read(sqlite3_file* file, void* data, int size, sqlite3_int64 at) {
        int left = current_->left_.load();
        while (left >= 0) {
            if (left == 0) {
                return SQLITE_IOERR_READ;
            }
            if (current_->left_.compare_exchange_weak(left, left - 1)) {
                break;
            }
        }
        return current_->realRead_(file, data, size, at);
    }

    static inline FailingReads* current_ = nullptr;
    sqlite3_vfs* real_ = nullptr;
    sqlite3_vfs vfs_{};
    sqlite3_io_methods methods_{};
    int (*realRead_)(sqlite3_file*, void*, int, sqlite3_int64) = nullptr;
    std::atomic<int> left_{-1};
};
