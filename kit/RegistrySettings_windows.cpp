// Registry values are read once and kept until Refresh(), as the INI store keeps its file; a
// write goes to the registry at once and fails on its own.
#include "kit/RegistrySettings.h"

#include <stdexcept>
#include <vector>

#include <windows.h>

namespace {

const wchar_t* Wide(const QString& text) {
    return reinterpret_cast<const wchar_t*>(text.utf16());
}

QString ValueName(const QString& application, const QString& section, const QString& key) {
    return RegistrySettingsStore::KeyPath(application, section) + u'\\' + key;
}

// The value as text, or nothing when it is missing or holds no text. Text is read as it is
// kept, as the settings calls read it; Windows refuses to give REG_EXPAND_SZ values otherwise.
std::optional<QString> ReadValue(const QString& keyPath, const QString& key) {
    DWORD bytes = 0;
    constexpr DWORD Texts = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
    if (RegGetValueW(HKEY_CURRENT_USER, Wide(keyPath), Wide(key), Texts, nullptr, nullptr,
                     &bytes) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::vector<wchar_t> text(bytes / sizeof(wchar_t) + 1);
    bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (RegGetValueW(HKEY_CURRENT_USER, Wide(keyPath), Wide(key), Texts, nullptr, text.data(),
                     &bytes) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return QString::fromWCharArray(text.data());
}

}  // namespace

QString RegistrySettingsStore::KeyPath(const QString& application, const QString& section) {
    return QStringLiteral("Software\\VB and VBA Program Settings\\") + application + u'\\' +
           section;
}

QString RegistrySettingsStore::GetSetting(const QString& application, const QString& section,
                                          const QString& key, const QString& defaultValue) {
    const QString name = ValueName(application, section, key);
    auto known = known_.find(name);
    if (known == known_.end()) {
        known = known_.insert(name, ReadValue(KeyPath(application, section), key));
    }
    return known->value_or(defaultValue);
}

void RegistrySettingsStore::SaveSetting(const QString& application, const QString& section,
                                        const QString& key, const QString& value) {
    const QString keyPath = KeyPath(application, section);
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    const LSTATUS status =
        RegSetKeyValueW(HKEY_CURRENT_USER, Wide(keyPath), Wide(key), REG_SZ, Wide(value), bytes);
    if (status != ERROR_SUCCESS) {
        throw std::runtime_error(QStringLiteral("The setting \"%1\" could not be saved in %2: %3")
                                     .arg(key, QStringLiteral("HKEY_CURRENT_USER\\") + keyPath,
                                          qt_error_string(static_cast<int>(status)))
                                     .toStdString());
    }
    known_.insert(ValueName(application, section, key), value);
}

void RegistrySettingsStore::Refresh() {
    known_.clear();
}
