// Settings in INI files. Every write is synchronised with the file at once, which also takes in
// what another run of the program wrote meanwhile, so the last write wins. Reads come from Qt's
// copy of the file: the full load of the browser reads a setting once per row, and a look at the
// file system each time would cost more than the load itself.
#include "app/Settings.h"

#include "app/NumberText.h"

#include <QSettings>

#include <stdexcept>

IniSettingsStore::IniSettingsStore(QString folder) : folder_(std::move(folder)) {}

IniSettingsStore::~IniSettingsStore() = default;

QSettings& IniSettingsStore::File(const QString& application) {
    if (!file_ || application != application_) {
        file_ = folder_.isEmpty() ? std::make_unique<QSettings>(QSettings::IniFormat,
                                                                QSettings::UserScope, application)
                                  : std::make_unique<QSettings>(
                                        folder_ + u'/' + application + QStringLiteral(".ini"),
                                        QSettings::IniFormat);
        application_ = application;
    }
    return *file_;
}

QString IniSettingsStore::GetSetting(const QString& application, const QString& section,
                                     const QString& key, const QString& defaultValue) {
    return File(application).value(section + u'/' + key, defaultValue).toString();
}

void IniSettingsStore::SaveSetting(const QString& application, const QString& section,
                                   const QString& key, const QString& value) {
    QSettings& file = File(application);
    file.setValue(section + u'/' + key, value);
    file.sync();
    if (file.status() != QSettings::NoError) {
        throw std::runtime_error(QStringLiteral("The setting \"%1\" could not be saved in %2.")
                                     .arg(key, file.fileName())
                                     .toStdString());
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
