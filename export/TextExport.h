// Result lists as tab-separated text files in the Windows-1252 code page.
#pragma once

#include "export/ExportSource.h"
#include "kit/Seams.h"

#include <QByteArray>
#include <QString>

class ErrorTrap;
class Messages;
class PointerSetting;

// Every field followed by TAB, every line by CR LF: the header line, then a line per row, empty
// for a row that is not ticked. Nothing is escaped.
QString ListToText(const ExportSource& list, EventPump& events);

// Builds the text of the list and writes it to path.
void ListToTextFile(const ExportSource& list, const QString& path, EventPump& events);

// Replaces the file at path with the text in the system's ANSI code page (export/AnsiCodePage.h),
// as ReplaceFile does.
void WriteTextFile(const QString& text, const QString& path);

inline const QString SaveDialogTitle = QStringLiteral("Save List");
inline const QString SaveDialogFilters =
    QStringLiteral("Text Files (*.txt)|*.txt|All Files (*.*)|*.*|");

// "Save Results As Text": asks for a name (starting from the one chosen last time), then writes
// the list. `last` remembers the choice for the window's next save.
void SaveResultsAsText(const ExportSource& list, SaveChoice& last, SaveDialog& dialog,
                       PointerSetting& pointer, EventPump& events, ErrorTrap& trap);
