// Settings in INI files. Reads come from Qt's copy of the file, taken in again on Refresh(): the
// browser's full load reads a setting once per row, and a look at the file system each time
// would cost more than the load itself. Writes do not go through QSettings: it keeps its first
// error for life, keeps a value it failed to write and writes it later over what another copy
// saved meanwhile, and on a nearly full disk it can replace the file with an empty one. Each
// write changes its one line and replaces the file as text exports do.
#include "app/Settings.h"

#include "app/Files.h"
#include "app/IniText.h"
#include "app/NumberText.h"
#include "app/ReplaceFile.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>

#include <stdexcept>

namespace {

// Long enough for another copy's write to end, short enough that the window does not hang
// behind a lock that a stopped copy left.
constexpr int LockWaitMs = 2000;

QString ValueName(const QString& section, const QString& key) {
    return section + u'/' + key;
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
        application_ = application;
        written_.clear();
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
    const QByteArray old = QFileInfo::exists(path) ? ReadSmallFile(path) : QByteArray();
    ReplaceFile(path, WithIniValue(old, section, key, value));
    // Qt's copy learns of the change only at the next Refresh().
    written_.insert(ValueName(section, key), value);
}

void IniSettingsStore::Refresh() {
    if (reader_) {
        reader_->sync();  // reads the file again when it changed; nothing is ever set on it
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
