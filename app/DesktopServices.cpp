// The desktop's services handed to the windows.
#include "app/DesktopServices.h"

DesktopServices::DesktopServices(const QString& settingsFolder) : settings(settingsFolder) {}

WorkingWindowServices DesktopServices::ForWorkingWindow(Messages& messagesTo, Files files,
                                                        Connection* riddleConnection,
                                                        std::function<void()> showMainWindow) {
    return {messagesTo, settings,         saveDialog,       spreadsheets,
            events,     std::move(files), riddleConnection, std::move(showMainWindow)};
}
