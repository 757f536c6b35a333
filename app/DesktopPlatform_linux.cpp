// On Linux settings are INI files in the user's configuration folder (~/.config/Tarvellan.ini),
// and the spreadsheet program is the desktop's default for .xlsx files.
#include "app/DesktopPlatform.h"

#include "export/XlsxSpreadsheet.h"

#include <QProcess>
#include <QStandardPaths>

std::unique_ptr<SettingsStore> UserSettings() {
    return std::make_unique<IniSettingsStore>();
}

namespace {

// Programs as the desktop finds them on the PATH, and its default for .xlsx files as xdg-mime
// names it.
ProgramLookup DesktopProgramLookup() {
    return {[](const QString& name) { return QStandardPaths::findExecutable(name); },
            [] {
                QProcess query;
                query.start(
                    QStringLiteral("xdg-mime"),
                    {QStringLiteral("query"), QStringLiteral("default"),
                     QStringLiteral(
                         "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet")});
                // The window waits for the answer, so a desktop that does not give one soon is
                // taken to have no default.
                if (!query.waitForFinished(1000)) {
                    query.kill();
                    query.waitForFinished();
                    return QString();
                }
                if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0) {
                    return QString();
                }
                return QString::fromUtf8(query.readAllStandardOutput()).trimmed();
            },
            [](const QString& program, const QStringList& arguments) {
                return QProcess::startDetached(program, arguments);
            }};
}

}  // namespace

// Spreadsheets the user only opens go to a per-user runtime folder.
std::unique_ptr<SpreadsheetProvider> UserSpreadsheets() {
    return std::make_unique<DesktopSpreadsheets>(
        DesktopProgramLookup(), QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
                                    QStringLiteral("/quorvane"));
}
