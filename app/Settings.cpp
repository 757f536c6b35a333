// Settings in INI files. Reads come from Qt's copy of the file, taken in again on Refresh(): the
// browser's full load reads a setting once per row, and a look at the file system each time
// would cost more than the load itself. Each write goes through a QSettings of its own, since a
// QSettings keeps its first error for its whole life.
#include "app/Settings.h"

#include "app/NumberText.h"

#include <QFile>
#include <QSettings>

#include <stdexcept>

#include <sys/stat.h>

namespace {

// Which file stands at path: Qt writes settings by renaming a complete new file over the old.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

FileIdentity IdentityOf(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        return {};
    }
    return {info.st_dev, info.st_ino};
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
    }
    return *reader_;
}

QString IniSettingsStore::GetSetting(const QString& application, const QString& section,
                                     const QString& key, const QString& defaultValue) {
    return Reader(application).value(section + u'/' + key, defaultValue).toString();
}

void IniSettingsStore::SaveSetting(const QString& application, const QString& section,
                                   const QString& key, const QString& value) {
    const QString path = Reader(application).fileName();
    const FileIdentity before = IdentityOf(path);
    QSettings file(path, QSettings::IniFormat);
    file.setValue(section + u'/' + key, value);
    file.sync();
    // A stray line in a hand-edited file is a format error, which is no failure of this write but
    // hides one from status(); then whether a new file took the old one's place tells.
    const bool written = file.status() == QSettings::NoError ||
                         (file.status() == QSettings::FormatError && IdentityOf(path) != before);
    if (!written) {
        throw std::runtime_error(QStringLiteral("The setting \"%1\" could not be saved in %2.")
                                     .arg(key, path)
                                     .toStdString());
    }
}

void IniSettingsStore::Refresh() {
    if (reader_) {
        reader_->sync();  // reads the file again when it changed; the reader never writes
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
