// On Linux: LibreOffice or Gnumeric on the PATH, else the desktop's default through xdg-open.
#include "export/XlsxSpreadsheet.h"

std::optional<SpreadsheetProgram> FindSpreadsheetProgram(const ProgramLookup& lookup) {
    for (const char* name : {"soffice", "libreoffice", "localc"}) {
        if (const QString path = lookup.findExecutable(QString::fromLatin1(name));
            !path.isEmpty()) {
            return SpreadsheetProgram{path, {QStringLiteral("-n")}};
        }
    }
    if (const QString path = lookup.findExecutable(QStringLiteral("gnumeric")); !path.isEmpty()) {
        return SpreadsheetProgram{path, {}};
    }
    const QString opener = lookup.findExecutable(QStringLiteral("xdg-open"));
    if (!opener.isEmpty() && !lookup.defaultXlsxApplication().isEmpty()) {
        return SpreadsheetProgram{opener, {}};
    }
    return std::nullopt;
}
