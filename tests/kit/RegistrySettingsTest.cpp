// Settings where the earlier program's settings calls left them. check-registry leaves Text1 = 12
// in the registry first, and reads "Hide Answers" and Text1 with Wine's own reg tool after.
#include "kit/RegistrySettings.h"

#include <stdexcept>

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QString Get(SettingsStore& store, const QString& key) {
    return store.GetSetting(SettingsApplication, SettingsSection, key, u"50"_s);
}

void Save(SettingsStore& store, const QString& key, const QString& value) {
    store.SaveSetting(SettingsApplication, SettingsSection, key, value);
}

// Any text reads back as saved, also in another running copy.
TEST(RegistrySettingsTest, ReadsWhatTheEarlierProgramLeftAndSavesBesideIt) {
    RegistrySettingsStore store;
    RegistrySettingsStore otherCopy;
    EXPECT_EQ(Get(store, u"Text1"_s), u"12"_s);
    EXPECT_EQ(Get(store, u"never saved"_s), u"50"_s);
    Save(store, u"Text1"_s, u"13"_s);
    const QString text = u"caf\u00e9 \u20ac \U0001F600 \"a\\b\""_s;
    Save(store, u"any text"_s, text);
    Save(store, u"Hide Answers"_s, u"0"_s);
    EXPECT_EQ(Get(otherCopy, u"any text"_s), text);
}

// Windows keeps no lasting key below a volatile one.
TEST(RegistrySettingsTest, AFailedSaveIsReportedAndFailsNoLaterOne) {
    const QString application = u"Quorvane volatile test"_s;
    const std::wstring parent =
        L"Software\\VB and VBA Program Settings\\" + application.toStdWString();
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, parent.c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
    RegistrySettingsStore store;
    EXPECT_THAT([&] { store.SaveSetting(application, SettingsSection, u"Text1"_s, u"5"_s); },
                testing::ThrowsMessage<std::runtime_error>(testing::HasSubstr(
                    "could not be saved in HKEY_CURRENT_USER\\Software\\VB and VBA Program "
                    "Settings\\Quorvane volatile test\\Quorvane Software")));
    EXPECT_EQ(store.GetSetting(application, SettingsSection, u"Text1"_s, {}), QString());
    RegDeleteTreeW(HKEY_CURRENT_USER, parent.c_str());
    EXPECT_NO_THROW(Save(store, u"Hide Answers"_s, u"0"_s));
}

}  // namespace
