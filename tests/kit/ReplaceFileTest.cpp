// Replacing a file whole: a device that fails part-way, a disk that refuses the data at the end,
// and a build that fails; ReplaceFileTest_posix.cpp has links and permissions.
#include "kit/FileSystem.h"
#include "kit/ReplaceFile.h"
#include "tests/support/RiddleFiles.h"

#include <algorithm>
#include <cerrno>
#include <stdexcept>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(ReplaceFileTest, DeviceThatFailsPartWayReplacesNothing) {
    TestFolder folder;
    const QString old = folder.WriteBytes(u"old.txt"_s, "old text");
    const QByteArray text(10000, 't');
    // A device that takes at most `chunk` bytes a call and fails once `room` bytes are taken.
    const auto device = [](qint64 room, qint64 chunk) {
        FileCalls calls;
        calls.write = [room, chunk](int handle, const char* data, qint64 size) mutable -> qint64 {
            const qint64 take = std::min({size, room, chunk});
            if (take == 0) {
                errno = ENOSPC;
                return -1;
            }
            room -= take;
            return FileSystem::Write(handle, data, take);
        };
        return calls;
    };
    for (const qint64 room : {qint64{0}, qint64{1}, qint64{4096}, text.size() - 1}) {
        EXPECT_THROW(ReplaceFile(old, text, device(room, 3000)), std::runtime_error) << room;
        EXPECT_EQ(ReadFile(old), "old text") << room;
        EXPECT_EQ(Entries(folder.Folder()), QStringList{u"old.txt"_s}) << room;
    }
    FileCalls unsynced = device(text.size(), 4096);  // the disk refuses the data only at the end
    unsynced.sync = [](int) {
        errno = EIO;
        return -1;
    };
    EXPECT_THROW(ReplaceFile(old, text, unsynced), std::runtime_error);
    EXPECT_EQ(ReadFile(old), "old text");
    EXPECT_EQ(Entries(folder.Folder()), QStringList{u"old.txt"_s});
    ReplaceFile(old, text, device(text.size(), 7));  // short writes are carried on
    EXPECT_EQ(ReadFile(old), text);
}

// The riddle tool builds its files through the same replacement: a build that fails leaves the
// old file and nothing else.
TEST(ReplaceFileTest, FailedBuildLeavesTheOldFileAlone) {
    TestFolder folder;
    const QString old = folder.WriteBytes(u"old.txt"_s, "old text");
    const auto failing = [](int handle, const QString&) {
        ASSERT_EQ(FileSystem::Write(handle, "new", 3), 3);
        throw std::runtime_error("the build failed");
    };
    EXPECT_THROW(ReplaceFileWith(old, failing), std::runtime_error);
    EXPECT_EQ(ReadFile(old), "old text");
    EXPECT_EQ(Entries(folder.Folder()), QStringList{u"old.txt"_s});
}

}  // namespace
