// On Windows: the program Windows associates with .xlsx files, which opens the file as it is.
#include "export/XlsxSpreadsheet.h"

std::optional<SpreadsheetProgram> FindSpreadsheetProgram(const ProgramLookup& lookup) {
    const QString program = lookup.defaultXlsxApplication();
    if (program.isEmpty()) {
        return std::nullopt;
    }
    return SpreadsheetProgram{program, {}};
}
