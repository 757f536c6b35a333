// The desktop's services handed to the windows.
#include "app/DesktopServices.h"

#include <QProcess>
#include <QStandardPaths>

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

// Spreadsheets the user only opens go to a per-user runtime folder.
QString RuntimeFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
           QStringLiteral("/quorvane");
}

}  // namespace

DesktopServices::DesktopServices(const QString& settingsFolder)
    : settings(settingsFolder), spreadsheets(DesktopProgramLookup(), RuntimeFolder()) {}

WorkingWindowServices DesktopServices::ForWorkingWindow(Messages& messagesTo, Files files,
                                                        Connection* riddleConnection,
                                                        std::function<void()> showMainWindow) {
    return {messagesTo, settings,         saveDialog,       spreadsheets,
            events,     std::move(files), riddleConnection, std::move(showMainWindow)};
}
