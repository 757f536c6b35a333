// What the desktop's services are made of on each system: DesktopPlatform_linux.cpp and
// DesktopPlatform_windows.cpp.
#pragma once

#include "export/XlsxSpreadsheet.h"
#include "kit/Settings.h"

#include <memory>

// Where the user's settings are kept.
std::unique_ptr<SettingsStore> UserSettings();

// How the spreadsheet program is found and started.
ProgramLookup DesktopProgramLookup();

// Spreadsheets the user only opens are written here.
QString SpreadsheetFolder();
