// Settings in INI files, synchronised with the file on every read and write, so that two runs of
// the program see each other's values and the last write wins.
#include "app/Settings.h"

#include <QRegularExpression>
#include <QSettings>

#include <stdexcept>

IniSettingsStore::IniSettingsStore(QString folder) : folder_(std::move(folder)) {}

IniSettingsStore::~IniSettingsStore() = default;

QSettings& IniSettingsStore::File(const QString& application) {
    if (!file_ || application != application_) {
        file_ = folder_.isEmpty()
                    ? std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                  application)
                    : std::make_unique<QSettings>(folder_ + u'/' + application +
                                                      QStringLiteral(".ini"),
                                                  QSettings::IniFormat);
        application_ = application;
    }
    return *file_;
}

QString IniSettingsStore::GetSetting(const QString& application, const QString& section,
                                     const QString& key, const QString& defaultValue) {
    QSettings& file = File(application);
    file.sync();  // picks up what another run of the program wrote meanwhile
    return file.value(section + u'/' + key, defaultValue).toString();
}

void IniSettingsStore::SaveSetting(const QString& application, const QString& section,
                                   const QString& key, const QString& value) {
    QSettings& file = File(application);
    file.setValue(section + u'/' + key, value);
    file.sync();
    if (file.status() != QSettings::NoError) {
        throw std::runtime_error(
            QStringLiteral("The setting \"%1\" could not be saved in %2.")
                .arg(key, file.fileName())
                .toStdString());
    }
}

double SettingAsNumber(const QString& key, const QString& text) {
    static const QRegularExpression decimal(
        QStringLiteral(R"(^ *[+-]?(?:[0-9]+(?:\.[0-9]*)?|\.[0-9]+)(?:[eE][+-]?[0-9]+)? *$)"));
    if (!decimal.match(text).hasMatch()) {
        throw std::runtime_error(
            QStringLiteral("The stored setting \"%1\" is \"%2\", which is not a number.")
                .arg(key, text)
                .toStdString());
    }
    return text.trimmed().toDouble();
}
