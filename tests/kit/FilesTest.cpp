// Files beside the program and files the program writes: the checked replacement, what is read
// of the skin, and the settings file against a failed write, a full disk, other running copies
// and every kind of text read back as saved.
#include "kit/IniText.h"
#include "kit/ReplaceFile.h"
#include "kit/Settings.h"
#include "kit/SkinSheet.h"
#include "tests/support/RiddleFiles.h"
#include "tests/support/TinyDisk.h"

#include <QDateTime>
#include <QDir>
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
// old file and nothing else; a file replaced keeps its permissions, a new one takes the umask's.
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

TEST(SkinFormatTest, CommentsStringsAndBracesMustClose) {
    EXPECT_TRUE(IsWellFormedStyleSheet(QString()));
    EXPECT_TRUE(IsWellFormedStyleSheet(u"/* } */ QLabel { font: \"A}\"; }"_s));
    EXPECT_FALSE(IsWellFormedStyleSheet(u"QLabel { color: red; } }"_s));
    EXPECT_FALSE(IsWellFormedStyleSheet(u"{ color: red; }"_s));
    EXPECT_FALSE(IsWellFormedStyleSheet(u"QLabel { color: red; } /* open"_s));
    EXPECT_FALSE(IsWellFormedStyleSheet(u"QLabel"_s));
}

void Save(SettingsStore& store, const QString& key, const QString& value) {
    store.SaveSetting(SettingsApplication, SettingsSection, key, value);
}

QString Get(SettingsStore& store, const QString& key, const QString& defaultValue = {}) {
    return store.GetSetting(SettingsApplication, SettingsSection, key, defaultValue);
}

TEST(SettingsTest, AFailedWriteFailsOnlyItselfAndAStrayLineIsNoFailure) {
    TestFolder folder;
    IniSettingsStore store(folder.Folder());
    const QString ini = folder.Path(u"Tarvellan.ini"_s);
    ASSERT_TRUE(QDir().mkdir(ini));  // refused even to root
    EXPECT_THROW(Save(store, u"Text1"_s, u"5"_s), std::runtime_error);
    ASSERT_TRUE(QDir().rmdir(ini));
    EXPECT_NO_THROW(Save(store, u"Text1"_s, u"6"_s));

    folder.WriteBytes(u"Tarvellan.ini"_s,
                      "[Quorvane%20Software]\nText1=6\na stray line\nHide%20Answers=1\n");
    store.Refresh();
    EXPECT_NO_THROW(Save(store, u"Hide Answers"_s, u"0"_s));
    EXPECT_NO_THROW(Save(store, u"Text1"_s, u"8"_s));
    EXPECT_EQ(ReadFile(ini), "[Quorvane%20Software]\nText1=8\na stray line\nHide%20Answers=0\n");
    EXPECT_EQ(Get(store, u"Text1"_s), u"8"_s);
    store.Refresh();
    EXPECT_EQ(Get(store, u"Hide Answers"_s), u"0"_s);

    // A carriage return alone ends a line for the reader as well, here before another section.
    folder.WriteBytes(u"Tarvellan.ini"_s, "[Quorvane%20Software]\r\nText1=6\rlate=1\r[Other]\r\n");
    store.Refresh();
    Save(store, u"Hide Answers"_s, u"1"_s);
    EXPECT_EQ(ReadFile(ini),
              "[Quorvane%20Software]\r\nText1=6\rlate=1\rHide%20Answers=1\n[Other]\r\n");
    IniSettingsStore reopened(folder.Folder());
    EXPECT_EQ(Get(reopened, u"Hide Answers"_s), u"1"_s);
}

TEST(SettingsTest, FullDiskKeepsTheFileAndTheFailedValueNeverLandsLater) {
    TestFolder folder;
    const TinyDisk disk(folder.Path(u"disk"_s));
    if (!disk.Mounted()) {
        GTEST_SKIP() << "cannot mount a tmpfs here: " << disk.WhyNot().toStdString();
    }
    const QByteArray edited = "[Quorvane%20Software]\nText1=6\na stray line\n";
    const QString ini = folder.WriteBytes(u"disk/Tarvellan.ini"_s, edited);
    disk.Fill(1);  // room for the lock file, none for the new text
    IniSettingsStore store(folder.Path(u"disk"_s));
    EXPECT_THROW(Save(store, u"Text1"_s, u"7"_s), std::runtime_error);
    EXPECT_EQ(ReadFile(ini), edited);

    disk.Fill(4);
    Save(store, u"Hide Answers"_s, u"0"_s);
    EXPECT_EQ(ReadFile(ini), edited + "Hide%20Answers=0\n");
}

TEST(SettingsTest, AnyTextReadsBackAsSavedAndOtherLinesStay) {
    TestFolder folder;
    const QStringList values{QString(),          u" lead"_s,
                             u"trail "_s,        u"@at"_s,
                             u"@@two"_s,         u"a;b"_s,
                             u"a,b"_s,           u"a=b"_s,
                             u"quote\"d"_s,      u"back\\slash"_s,
                             u"line\r\nbreak"_s, u"tab\there"_s,
                             u"\u0001a\u0002"_s, u"caf\u00e9 \u20ac \U0001F600"_s,
                             u"[section]"_s,     u"%20"_s,
                             u"; note"_s,        QString(QChar(0)) + u"7"_s,
                             u"\ufeffmark"_s,    u"\b\ufeff"_s};
    IniSettingsStore store(folder.Folder());
    EXPECT_EQ(Get(store, u"key 1"_s, u"50"_s), u"50"_s);  // no file yet
    for (qsizetype i = 0; i < values.size(); ++i) {
        Save(store, u"key %1"_s.arg(i), values[i]);
    }
    store.Refresh();
    IniSettingsStore reopened(folder.Folder());
    EXPECT_EQ(Get(reopened, u"never saved"_s, u"50"_s), u"50"_s);
    for (qsizetype i = 0; i < values.size(); ++i) {
        // A saved empty text is a value, not a missing one that gets the default.
        EXPECT_EQ(Get(reopened, u"key %1"_s.arg(i), u"50"_s), values[i]) << i;
    }

    const QByteArray before =
        "; note\n[Other]\nText1=1\n\n[Quorvane%20Software]\nText1=5\nstray\nText1=6\n\n[Z]\nx=1";
    EXPECT_EQ(WithIniValue(before, SettingsSection, u"Text1"_s, u"9"_s),
              "; note\n[Other]\nText1=1\n\n[Quorvane%20Software]\nText1=9\nstray\nText1=9\n\n"
              "[Z]\nx=1\n");
    EXPECT_EQ(WithIniValue(before, SettingsSection, u"Hide Answers"_s, u"0"_s),
              "; note\n[Other]\nText1=1\n\n[Quorvane%20Software]\nText1=5\nstray\nText1=6\n"
              "Hide%20Answers=0\n\n[Z]\nx=1\n");
    EXPECT_EQ(WithIniValue("[Other]\nx=1\n", SettingsSection, u"Text1"_s, u"50"_s),
              "[Other]\nx=1\n\n[Quorvane%20Software]\nText1=50\n");
    EXPECT_EQ(WithIniValue("\xef\xbb\xbf[Quorvane%20Software] ; mine\nText1=5", SettingsSection,
                           u"Text1"_s, u"9"_s),
              "\xef\xbb\xbf[Quorvane%20Software] ; mine\nText1=9\n");
}

TEST(SettingsTest, OwnWriteIsSeenEvenWhenTheClockDoesNotTellTheFilesApart) {
    TestFolder folder;
    IniSettingsStore store(folder.Folder());
    const QString ini = folder.Path(u"Tarvellan.ini"_s);
    Save(store, u"Hide Answers"_s, u"0"_s);
    store.Refresh();
    const QDateTime modified = QFileInfo(ini).lastModified();
    // The same length: Qt's copy can tell only by the time, here made the same.
    Save(store, u"Hide Answers"_s, u"1"_s);
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite) &&
                file.setFileTime(modified, QFileDevice::FileModificationTime));
    file.close();
    store.Refresh();
    EXPECT_EQ(Get(store, u"Hide Answers"_s), u"1"_s);
}

}  // namespace
