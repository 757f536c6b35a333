// Every seam as the desktop provides it, built in one place for the program, the screenshot
// program and the benchmarks.
#pragma once

#include "export/Spreadsheet.h"
#include "kit/Settings.h"
#include "results/WorkingWindow.h"
#include "ui/QtPlatform.h"

#include <functional>
#include <memory>

class DesktopServices final {
public:
    // Settings live where the system keeps the user's (app/DesktopPlatform.h), or in INI files in
    // `settingsFolder` when one is given.
    explicit DesktopServices(const QString& settingsFolder = {});

    // What a working window is handed, telling its messages to `messages`.
    WorkingWindowServices ForWorkingWindow(Messages& messages, Files files,
                                           Connection* riddleConnection,
                                           std::function<void()> showMainWindow);
    WorkingWindowServices ForWorkingWindow(Files files, Connection* riddleConnection,
                                           std::function<void()> showMainWindow) {
        return ForWorkingWindow(messages, std::move(files), riddleConnection,
                                std::move(showMainWindow));
    }

    QtMessages messages;
    SystemProcess process;
    std::unique_ptr<SettingsStore> settings;
    QtSaveDialog saveDialog{nullptr};
    std::unique_ptr<SpreadsheetProvider> spreadsheets;
    QtEventPump events{process};
};
