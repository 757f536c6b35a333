// On Windows settings are registry values where the Windows settings calls keep them.
// Spreadsheets: for now programs on the PATH only; Excel by automation and the program Windows
// associates with .xlsx files are still to come.
#include "app/DesktopPlatform.h"

#include "kit/RegistrySettings.h"

#include <QProcess>
#include <QStandardPaths>

std::unique_ptr<SettingsStore> UserSettings() {
    return std::make_unique<RegistrySettingsStore>();
}

ProgramLookup DesktopProgramLookup() {
    return {[](const QString& name) { return QStandardPaths::findExecutable(name); },
            [] { return QString(); },
            [](const QString& program, const QStringList& arguments) {
                return QProcess::startDetached(program, arguments);
            }};
}

QString SpreadsheetFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::TempLocation) +
           QStringLiteral("/Quorvane");
}
