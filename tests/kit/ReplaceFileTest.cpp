// Replacing a file whole: a device that fails part-way, a disk that refuses the data at the end,
// a build that fails, and the permissions a replaced file keeps.
#include "kit/ReplaceFile.h"
#include "tests/support/RiddleFiles.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

#include <sys/stat.h>
#include <unistd.h>

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
            return ::write(handle, data, static_cast<size_t>(take));
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
// old file and nothing else; links in a loop are refused; a file replaced keeps its permissions,
// a new one takes the umask's.
TEST(ReplaceFileTest, FailedBuildLeavesTheOldFileAndAReplacedFileKeepsItsPermissions) {
    TestFolder folder;
    const QString old = folder.WriteBytes(u"old.txt"_s, "old text");
    ASSERT_TRUE(QFile::setPermissions(old, QFile::ReadOwner | QFile::WriteOwner));
    const auto failing = [](int handle, const QString&) {
        ASSERT_EQ(::write(handle, "new", 3), 3);
        throw std::runtime_error("the build failed");
    };
    EXPECT_THROW(ReplaceFileWith(old, failing), std::runtime_error);
    EXPECT_EQ(ReadFile(old), "old text");
    EXPECT_EQ(Entries(folder.Folder()), QStringList{u"old.txt"_s});
    // Links in a loop lead to no file: refused, and the link stays.
    const QString loop = folder.Path(u"loop"_s);
    ASSERT_TRUE(QFile::link(loop, loop));
    EXPECT_THROW(ReplaceFile(loop, "text"), std::runtime_error);
    EXPECT_TRUE(QFileInfo(loop).isSymLink());
    QFile::remove(loop);

    const QFile::Permissions readWrite =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
    ReplaceFile(old, "new text");
    EXPECT_EQ(QFileInfo(old).permissions(), readWrite);
    const mode_t mask = ::umask(022);
    ReplaceFile(folder.Path(u"new.txt"_s), "new");
    ::umask(mask);
    EXPECT_EQ(QFileInfo(folder.Path(u"new.txt"_s)).permissions(),
              readWrite | QFile::ReadGroup | QFile::ReadOther);
}

}  // namespace
