// On Windows settings are registry values where the Windows settings calls keep them, and exports
// go to Excel where it is registered, else to the program Windows associates with .xlsx files.
#include "app/DesktopPlatform.h"

#include "export/ExcelAutomation.h"
#include "export/XlsxSpreadsheet.h"
#include "kit/RegistrySettings.h"

#include <QProcess>
#include <QStandardPaths>

#include <vector>

#include <shlwapi.h>
#include <windows.h>

namespace {

// The program that opens .xlsx files when the user double-clicks one.
QString AssociatedProgram() {
    DWORD length = 0;
    constexpr ASSOCF Flags = ASSOCF_NOTRUNCATE | ASSOCF_INIT_IGNOREUNKNOWN;
    if (AssocQueryStringW(Flags, ASSOCSTR_EXECUTABLE, L".xlsx", L"open", nullptr, &length) !=
            S_FALSE ||
        length == 0) {
        return {};
    }
    std::vector<wchar_t> program(length);
    if (FAILED(AssocQueryStringW(Flags, ASSOCSTR_EXECUTABLE, L".xlsx", L"open", program.data(),
                                 &length))) {
        return {};
    }
    return QString::fromWCharArray(program.data());
}

}  // namespace

std::unique_ptr<SettingsStore> UserSettings() {
    return std::make_unique<RegistrySettingsStore>();
}

std::unique_ptr<SpreadsheetProvider> UserSpreadsheets() {
    const ProgramLookup lookup{
        [](const QString& name) { return QStandardPaths::findExecutable(name); }, AssociatedProgram,
        [](const QString& program, const QStringList& arguments) {
            return QProcess::startDetached(program, arguments);
        }};
    auto files = std::make_unique<DesktopSpreadsheets>(
        lookup, QStandardPaths::writableLocation(QStandardPaths::TempLocation) +
                    QStringLiteral("/Quorvane"));
    return std::make_unique<ExcelSpreadsheets>(std::move(files),
                                               ExcelSpreadsheets::InstalledExcel());
}
