// Settings in INI files. Reads come from Qt's copy of the file, taken in again on Refresh(): the
// browser's full load reads a setting once per row, and a look at the file system each time
// would cost more than the load itself. Writes do not go through QSettings: it keeps its first
// error for life, keeps a value it failed to write and writes it later over what another copy
// saved meanwhile, and on a nearly full disk it can replace the file with an empty one. Each
// write changes its one line and replaces the file as text exports do.
#include "kit/Settings.h"

#include "kit/FileSystem.h"
#include "kit/Files.h"
#include "kit/IniText.h"
#include "kit/NumberText.h"
#include "kit/ReplaceFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>

#include <cerrno>
#include <stdexcept>

namespace {

// Long enough for another copy's write to end, short enough that typing does not hang behind
// a lock held by a copy that was stopped. A copy that died leaves a lock Qt knows to be stale.
constexpr int LockWaitMs = 1000;

QString ValueName(const QString& section, const QString& key) {
    return section + u'/' + key;
}

// Qt reads an INI file's sections as they are first asked for, and a section line without its
// "]" written by hand throws that reading off: a value the program saved after it may read back
// empty, depending on what was asked for first. Read whole, the file reads right.
void ReadWholeFile(QSettings& reader) {
    reader.allKeys();
}

FileIdentity IdentityOf(const QString& path) {
    FileStatus status;
    return FileSystem::StatusOf(path, status) == 0 ? status.identity : FileIdentity{};
}

}  // namespace

IniSettingsStore::IniSettingsStore(QString folder) : folder_(std::move(folder)) {}

IniSettingsStore::~IniSettingsStore() = default;

QSettings& IniSettingsStore::Reader(const QString& application) {
    if (!reader_ || application != application_) {
        reader_ = folder_.isEmpty() ? std::make_unique<QSettings>(QSettings::IniFormat,
                                                                  QSettings::UserScope, application)
                                    : std::make_unique<QSettings>(
                                          folder_ + u'/' + application + QStringLiteral(".ini"),
                                          QSettings::IniFormat);
        ReadWholeFile(*reader_);
        application_ = application;
        written_.clear();
        ownWrite_ = {};
    }
    return *reader_;
}

QString IniSettingsStore::GetSetting(const QString& application, const QString& section,
                                     const QString& key, const QString& defaultValue) {
    QSettings& reader = Reader(application);
    const QString name = ValueName(section, key);
    const auto written = written_.constFind(name);
    return written != written_.cend() ? *written : reader.value(name, defaultValue).toString();
}

void IniSettingsStore::SaveSetting(const QString& application, const QString& section,
                                   const QString& key, const QString& value) {
    const QString path = Reader(application).fileName();
    const auto fail = [&](const QString& why) {
        return std::runtime_error(QStringLiteral("The setting \"%1\" could not be saved in %2: %3")
                                      .arg(key, path, why)
                                      .toStdString());
    };
    QDir().mkpath(QFileInfo(path).absolutePath());
    // The lock Qt's own settings writers take, so that two copies never interleave their
    // reading and writing of the file.
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(LockWaitMs)) {
        throw fail(QStringLiteral("its lock file could not be taken."));
    }
    FileStatus status;
    const bool found = FileSystem::StatusOf(path, status) == 0;
    const bool absent = !found && errno == ENOENT;
    const FileIdentity before = found ? status.identity : FileIdentity{};
    const QByteArray old = absent ? QByteArray() : ReadSmallFile(path);
    ReplaceFile(path, WithIniValue(old, section, key, value));
    if (before != ownWrite_) {
        written_.clear();  // another copy wrote since: its values are in the file, not here
    }
    written_.insert(ValueName(section, key), value);
    ownWrite_ = IdentityOf(path);
}

void IniSettingsStore::Refresh() {
    if (!reader_) {
        return;
    }
    reader_->sync();  // reads the file again when it changed; nothing is ever set on it
    ReadWholeFile(*reader_);
    // Qt sees a change only in size or in whole milliseconds, so what this store wrote stays in
    // front for as long as the file is the one it wrote.
    if (IdentityOf(reader_->fileName()) != ownWrite_) {
        written_.clear();
    }
}

double SettingAsNumber(const QString& key, const QString& text) {
    const std::optional<double> number = ReadAsNumber(text);
    if (!number) {
        throw std::runtime_error(
            QStringLiteral("The stored setting \"%1\" is \"%2\", which is not a number.")
                .arg(key, text)
                .toStdString());
    }
    return *number;
}
