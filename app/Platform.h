// The save dialog and the event loop as the logic sees them, so that exports run headless.
#pragma once

#include <QString>

class SaveDialog {
public:
    virtual ~SaveDialog() = default;
    // The chosen path, or empty when the user cancelled. Filters are given as
    // "Description|pattern|Description|pattern|".
    virtual QString AskFileName(const QString& title, const QString& filters,
                                const QString& initialName) = 0;
};

// Thrown where window events ran and the user ended the program meanwhile: the operation that
// let them run stops there, and no one is told, since the program is going away.
struct ProgramEnding final {};

// Lets pending window events run, so that a window repaints during a long export.
class EventPump {
public:
    virtual ~EventPump() = default;
    // Throws ProgramEnding when the program is ending.
    virtual void LetEventsRun() = 0;
};
