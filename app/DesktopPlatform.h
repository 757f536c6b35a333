// What the desktop's services are made of on each system: DesktopPlatform_linux.cpp and
// DesktopPlatform_windows.cpp.
#pragma once

#include "export/Spreadsheet.h"
#include "kit/Settings.h"

#include <memory>

// Where the user's settings are kept.
std::unique_ptr<SettingsStore> UserSettings();

// The spreadsheet program exports go to.
std::unique_ptr<SpreadsheetProvider> UserSpreadsheets();
