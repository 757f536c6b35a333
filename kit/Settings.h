// The per-user settings store: text values addressed by application name, section and key.
#pragma once

#include "kit/FileSystem.h"

#include <QHash>
#include <QString>

#include <memory>

class QSettings;

inline const QString SettingsApplication = QStringLiteral("Tarvellan");
inline const QString SettingsSection = QStringLiteral("Quorvane Software");

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored value, or the default when the value was never written.
    virtual QString GetSetting(const QString& application, const QString& section,
                               const QString& key, const QString& defaultValue) = 0;
    // Stores the value at once, replacing an earlier one. Throws std::runtime_error when this
    // write fails; an earlier failure never fails a later write.
    virtual void SaveSetting(const QString& application, const QString& section, const QString& key,
                             const QString& value) = 0;
    // Takes in what another running copy of the program wrote since the store was last read.
    virtual void Refresh() = 0;
};

// An INI file per application name in the user's configuration folder (~/.config/NAME.ini),
// or in `folder` when one is given.
class IniSettingsStore final : public SettingsStore {
public:
    explicit IniSettingsStore(QString folder = {});
    ~IniSettingsStore() override;

    QString GetSetting(const QString& application, const QString& section, const QString& key,
                       const QString& defaultValue) override;
    void SaveSetting(const QString& application, const QString& section, const QString& key,
                     const QString& value) override;
    void Refresh() override;

private:
    QSettings& Reader(const QString& application);

    QString folder_;
    QString application_;
    std::unique_ptr<QSettings> reader_;
    // Values this store saved, and the file it left; they stand in front of Qt's copy of the
    // file for as long as no one else has replaced it.
    QHash<QString, QString> written_;
    FileIdentity ownWrite_;
};

// Reads a stored text as a number: decimal notation with blanks around it. Throws
// std::runtime_error naming the setting when the text is no number, the empty text included.
double SettingAsNumber(const QString& key, const QString& text);
