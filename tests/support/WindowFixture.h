// A riddle folder, an open connection and fakes for everything a working window asks of the
// desktop: the ground every window test stands on.
#pragma once

#include "results/WorkingWindow.h"
#include "store/Connection.h"
#include "store/RiddleFile.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/RiddleFiles.h"

#include <gtest/gtest.h>

class WindowFixture : public testing::Test {
protected:
    // Makes the riddle file beside the program and opens the connection to it.
    void OpenRiddles(const std::vector<RiddleRecord>& rows) {
        connection.Close();
        connection.Open(
            RiddleFile::ConnectionString(folder.MakeRiddleFile(RiddleFile::FileName, rows)));
    }
    WorkingWindowServices Services() { return Services(fake.settings); }
    WorkingWindowServices Services(SettingsStore& settingsStore) {
        return {fake.messages,
                settingsStore,
                fake.saveDialog,
                fake.spreadsheets,
                fake.events,
                Files(folder.Folder()),
                &connection,
                [this] {
                    ++mainShown;
                }};
    }

    TestFolder folder;
    Connection connection;
    FakeWindowServices fake;
    FakeMessages& messages = fake.messages;
    FakeSettings& settings = fake.settings;
    int mainShown = 0;
};
