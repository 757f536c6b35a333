// Links and permissions as POSIX systems have them: links in a loop are refused, a file replaced
// keeps its permissions and a new one takes the umask's. Windows keeps permissions of another
// kind, which a new file takes from its folder.
#include "kit/ReplaceFile.h"
#include "tests/support/RiddleFiles.h"

#include <QFile>
#include <QFileInfo>

#include <stdexcept>

#include <sys/stat.h>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(ReplaceFileTest, LinksInALoopAreRefusedAndTheLinkStays) {
    TestFolder folder;
    const QString loop = folder.Path(u"loop"_s);
    ASSERT_TRUE(QFile::link(loop, loop));
    EXPECT_THROW(ReplaceFile(loop, "text"), std::runtime_error);
    EXPECT_TRUE(QFileInfo(loop).isSymLink());
    EXPECT_EQ(Entries(folder.Folder()), QStringList{u"loop"_s});
}

TEST(ReplaceFileTest, AReplacedFileKeepsItsPermissionsAndANewOneTakesTheUmasks) {
    TestFolder folder;
    const QString old = folder.WriteBytes(u"old.txt"_s, "old text");
    ASSERT_TRUE(QFile::setPermissions(old, QFile::ReadOwner | QFile::WriteOwner));
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
