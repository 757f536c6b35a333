// The desktop's services handed to the windows.
#include "app/DesktopServices.h"

#include "app/DesktopPlatform.h"

DesktopServices::DesktopServices(const QString& settingsFolder)
    : settings(settingsFolder.isEmpty() ? UserSettings()
                                        : std::make_unique<IniSettingsStore>(settingsFolder)),
      spreadsheets(UserSpreadsheets()) {}

WorkingWindowServices DesktopServices::ForWorkingWindow(Messages& messagesTo, Files files,
                                                        Connection* riddleConnection,
                                                        std::function<void()> showMainWindow) {
    return {messagesTo, *settings,        saveDialog,       *spreadsheets,
            events,     std::move(files), riddleConnection, std::move(showMainWindow)};
}
