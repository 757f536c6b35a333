// Writing result lists as text: built whole in memory, then written in one piece.
#include "export/TextExport.h"

#include "export/AnsiCodePage.h"
#include "kit/ErrorReport.h"
#include "kit/ReplaceFile.h"
#include "kit/Seams.h"

#include <QList>

QString ListToText(const ExportSource& list, EventPump& events) {
    const QString tab = QStringLiteral("\t");
    const QString lineEnd = QStringLiteral("\r\n");
    QString text;
    const int columns = list.ColumnCount();
    for (int k = 1; k <= columns; ++k) {
        events.LetEventsRun();
        text += list.ColumnHeader(k) + tab;
    }
    text += lineEnd;
    const int rows = list.RowCount();
    for (int n = 1; n <= rows; ++n) {
        events.LetEventsRun();
        if (list.Ticked(n)) {
            for (int k = 1; k <= columns; ++k) {
                events.LetEventsRun();
                text += ExportCell(list, n, k);
                text += tab;
            }
        }
        text += lineEnd;
    }
    return text;
}

void ListToTextFile(const ExportSource& list, const QString& path, EventPump& events) {
    WriteTextFile(ListToText(list, events), path);
}

void WriteTextFile(const QString& text, const QString& path) {
    ReplaceFile(path, ToAnsiCodePage(text));
}

void SaveResultsAsText(const ExportSource& list, SaveChoice& last, SaveDialog& dialog,
                       PointerSetting& pointer, EventPump& events, ErrorTrap& trap) {
    // The steps of the windows' "Save Results As Text" handlers (Form2::PushButton5_Click,
    // Form3::PushButton4_Click), numbered as their reports number them; step 1 sets the dialog
    // up and step 3 takes its answer.
    enum SaveStep { AskName = 2, ShowBusy = 4, Write, ShowNormal };
    QString path;
    trap.Step(AskName,
              [&] { path = dialog.AskFileName(SaveDialogTitle, SaveDialogFilters, last); });
    if (path.isEmpty()) {
        return;
    }
    last.fileName = path;
    trap.Step(ShowBusy, [&] { pointer.SetMousePointer(Pointer::Busy); });
    trap.Step(Write, [&] { ListToTextFile(list, path, events); });
    trap.Step(ShowNormal, [&] { pointer.SetMousePointer(Pointer::Default); });
}
