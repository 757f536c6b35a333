// The settings file against a failed write, a full disk, other running copies and every kind of
// text read back as saved.
#include "kit/IniText.h"
#include "kit/Settings.h"
#include "tests/support/RiddleFiles.h"
#include "tests/support/TinyDisk.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

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
        GTEST_SKIP() << disk.WhyNot().toStdString();
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
