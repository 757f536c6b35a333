// The steps of a spreadsheet export, whatever program stands behind the interface.
#include "export/Spreadsheet.h"

#include "kit/ErrorReport.h"
#include "kit/Seams.h"

#include <stdexcept>

bool SaveResultsAsExcelFileIsExcelInstalled(SpreadsheetProvider& provider, Messages& messages) {
    const bool available = provider.Available();
    if (!available) {
        messages.ShowMessage(
            QStringLiteral("Excel is not installed on this computer. You need to "
                           "have it installed to use this software without error."));
    }
    return available;
}

void SendResultsToSpreadsheet(const ExportSource& list, SpreadsheetProvider& provider,
                              Messages& messages, PointerSetting& pointer, EventPump& events,
                              ErrorTrap& trap) {
    // The steps of the windows' "Send Results To Excel" handler (PushButton13_Click), numbered
    // as its report numbers them; steps 1 to 3, the checks below, have no trap.
    enum SendStep {
        ShowBusy = 4,
        Start,
        AddWorkbook,
        WriteHeaders,
        WriteRows,
        FitColumns,
        Show,
        ShowNormal,
    };
    if (!SaveResultsAsExcelFileIsExcelInstalled(provider, messages)) {
        messages.ShowMessage(
            QStringLiteral("Excel is not installed on this computer. You need to "
                           "have it installed to use this feature."));
        return;
    }
    const int rows = list.RowCount();
    if (rows == 0) {
        return;
    }
    if (rows > MaxSpreadsheetRows) {
        messages.ShowMessage(QStringLiteral("Excel can hold only 65,000 rows."));
        return;
    }
    trap.Step(ShowBusy, [&] { pointer.SetMousePointer(Pointer::Busy); });
    std::unique_ptr<SpreadsheetApplication> application;
    const auto writeHeaders = [&] {
        const int columns = list.ColumnCount();
        for (int i = 1; i <= columns; ++i) {
            events.LetEventsRun();
            application->SetHeaderCell(1, i, list.ColumnHeader(i));
            application->AutofitColumn(i);
        }
    };
    const auto writeRows = [&] {
        const int columns = list.ColumnCount();
        for (int n = 1, r = 2; n <= rows; ++n, ++r) {
            events.LetEventsRun();
            if (!list.Ticked(n)) {
                continue;
            }
            for (int k = 1; k <= columns; ++k) {
                events.LetEventsRun();
                // Only the sub-item columns lose their "=" signs.
                const QString cell = ExportCell(list, n, k);
                application->SetCellValue(r, k, k == 1 ? cell : QString(cell).remove(u'='));
            }
        }
    };
    // Each step needs the application the one before left working, so the first failure ends
    // the export instead of failing again for every cell.
    const auto start = [&] {
        application = provider.Create();
        if (!application) {
            throw std::runtime_error("The spreadsheet program could not be started.");
        }
    };
    const bool written = trap.Step(Start, start) &&
                         trap.Step(AddWorkbook, [&] { application->AddWorkbook(); }) &&
                         trap.Step(WriteHeaders, writeHeaders) && trap.Step(WriteRows, writeRows) &&
                         trap.Step(FitColumns, [&] { application->AutofitAllColumns(); });
    if (written) {
        trap.Step(Show, [&] { application->SetVisible(true); });
    }
    trap.Step(ShowNormal, [&] { pointer.SetMousePointer(Pointer::Default); });
}
