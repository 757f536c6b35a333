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

// Lets pending window events run, so that a window repaints during a long export.
class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void LetEventsRun() = 0;
};
