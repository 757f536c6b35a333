// Stand-ins for the message boxes and the process end, so handlers run headless.
#pragma once

#include "app/Messages.h"

#include <QString>
#include <QStringList>

class FakeMessages final : public Messages {
public:
    void ShowMessage(const QString& text) override { messages.append(text); }
    void ShowErrorBox(const QString& text) override { errors.append(text); }

    QStringList messages;
    QStringList errors;
};

class FakeProcess final : public ProcessControl {
public:
    void EndProgram() override { ++ends; }
    int ends = 0;
};

#include "app/Settings.h"

#include <QMap>

// Settings kept in memory; every write is also recorded in order.
class FakeSettings final : public SettingsStore {
public:
    QString GetSetting(const QString& application, const QString& section, const QString& key,
                       const QString& defaultValue) override {
        ++reads;
        return values.value(application + u'/' + section + u'/' + key, defaultValue);
    }
    void SaveSetting(const QString& application, const QString& section, const QString& key,
                     const QString& value) override {
        values[application + u'/' + section + u'/' + key] = value;
        writes.append(key + u'=' + value);
    }
    void Set(const QString& key, const QString& value) {
        values[SettingsApplication + u'/' + SettingsSection + u'/' + key] = value;
    }
    QString Get(const QString& key) const {
        return values.value(SettingsApplication + u'/' + SettingsSection + u'/' + key);
    }

    QMap<QString, QString> values;
    QStringList writes;
    int reads = 0;
};
