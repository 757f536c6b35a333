// On Windows settings are registry values where the Windows settings calls keep them, and exports
// go to Excel where it is registered, else to the program Windows associates with .xlsx files.
#include "app/DesktopPlatform.h"

#include "export/ExcelAutomation.h"
#include "export/XlsxSpreadsheet.h"
#include "kit/RegistrySettings.h"

#include <QDir>
#include <QStandardPaths>

#include <vector>

// windows.h first: the shell's headers rely on what it defines.
#include <windows.h>

#include <shellapi.h>
#include <shlwapi.h>

namespace {

// The program that opens .xlsx files when the user double-clicks one.
QString AssociatedProgram() {
    std::vector<wchar_t> program(MAX_PATH);
    for (;;) {
        auto length = static_cast<DWORD>(program.size());
        const HRESULT found = AssocQueryStringW(ASSOCF_NOTRUNCATE, ASSOCSTR_EXECUTABLE, L".xlsx",
                                                L"open", program.data(), &length);
        if (found == S_OK) {
            return QString::fromWCharArray(program.data());
        }
        if (found != E_POINTER || length <= program.size()) {
            return {};
        }
        program.resize(length);
    }
}

}  // namespace

std::unique_ptr<SettingsStore> UserSettings() {
    return std::make_unique<RegistrySettingsStore>();
}

std::unique_ptr<SpreadsheetProvider> UserSpreadsheets() {
    const ProgramLookup lookup{
        [](const QString& name) { return QStandardPaths::findExecutable(name); }, AssociatedProgram,
        // The export is opened as a double-click opens it: by the association's own command,
        // which may give the program more than the file.
        [](const QString&, const QStringList& arguments) {
            SHELLEXECUTEINFOW open{};
            open.cbSize = sizeof open;
            open.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
            open.lpVerb = L"open";
            const QString file = QDir::toNativeSeparators(arguments.value(arguments.size() - 1));
            open.lpFile = reinterpret_cast<const wchar_t*>(file.utf16());
            open.nShow = SW_SHOWNORMAL;
            return ShellExecuteExW(&open) != FALSE;
        }};
    auto files = std::make_unique<DesktopSpreadsheets>(
        lookup, QStandardPaths::writableLocation(QStandardPaths::TempLocation) +
                    QStringLiteral("/Quorvane"));
    return std::make_unique<ExcelSpreadsheets>(std::move(files),
                                               ExcelSpreadsheets::InstalledExcel());
}
