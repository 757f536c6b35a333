// The settings store on Windows: values in the current user's registry, where the Windows
// settings calls keep them, so that the choices users made in the program this one re-creates
// are read as they are: HKEY_CURRENT_USER\Software\VB and VBA Program Settings\APPLICATION\SECTION,
// each value as text.
#pragma once

#include "kit/Settings.h"

#include <QHash>

#include <optional>

class RegistrySettingsStore final : public SettingsStore {
public:
    QString GetSetting(const QString& application, const QString& section, const QString& key,
                       const QString& defaultValue) override;
    void SaveSetting(const QString& application, const QString& section, const QString& key,
                     const QString& value) override;
    void Refresh() override;

    // The key that holds a section's values, below HKEY_CURRENT_USER.
    static QString KeyPath(const QString& application, const QString& section);

private:
    // Values as last read or written; the browser's full load reads one for every row.
    QHash<QString, std::optional<QString>> known_;
};
