// Sending a result list to the user's spreadsheet program.
#pragma once

#include "export/ExportSource.h"
#include "kit/Seams.h"

#include <QString>

#include <memory>

class ErrorTrap;
class Messages;
class PointerSetting;

// The operations an export needs of a spreadsheet program. Rows and columns count from 1.
class SpreadsheetApplication {
public:
    virtual ~SpreadsheetApplication() = default;
    virtual void AddWorkbook() = 0;
    virtual void SetHeaderCell(int row, int column, const QString& text) = 0;
    virtual void SetCellValue(int row, int column, const QString& text) = 0;
    // Fits one column to what it holds so far.
    virtual void AutofitColumn(int column) = 0;
    virtual void AutofitAllColumns() = 0;
    // Hands the workbook to the user, unsaved.
    virtual void SetVisible(bool visible) = 0;
};

class SpreadsheetProvider {
public:
    virtual ~SpreadsheetProvider() = default;
    // Whether an application can be created at all: a spreadsheet program is installed.
    virtual bool Available() = 0;
    // A new, not yet visible application; throws, or gives none, when none can be started.
    virtual std::unique_ptr<SpreadsheetApplication> Create() = 0;
};

inline constexpr int MaxSpreadsheetRows = 65000;

// True when a spreadsheet program is there; shows the first "not installed" message otherwise.
bool SaveResultsAsExcelFileIsExcelInstalled(SpreadsheetProvider& provider, Messages& messages);

// "Send Results To Excel": header row, then sheet row n + 1 for list row n, empty for a row that
// is not ticked, "=" removed from the sub-item columns. The first failure ends the export.
void SendResultsToSpreadsheet(const ExportSource& list, SpreadsheetProvider& provider,
                              Messages& messages, PointerSetting& pointer, EventPump& events,
                              ErrorTrap& trap);
