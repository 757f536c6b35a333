// The seams the logic takes: message boxes, ending the process, the save dialog, the event
// pump and the window pointer, so that handlers run headless in tests.
#pragma once

#include <QString>

struct ErrorReport;

class Messages {
public:
    virtual ~Messages() = default;
    // A modal box with an OK button, no icon and the application title.
    virtual void ShowMessage(const QString& text) = 0;
    // A modal box titled "Application Error" with the warning icon and an OK button, showing
    // the report's text.
    virtual void ShowErrorReport(const ErrorReport& report) = 0;
};

// Ends the process: closing the main window and a missing riddle file end the program at once.
class ProcessControl {
public:
    virtual ~ProcessControl() = default;
    virtual void EndProgram() = 0;
    // True once EndProgram was called: work still under way stops at its next chance.
    virtual bool Ending() const = 0;
};

// What a window's save dialog starts from: the name chosen there last time (empty the first time)
// and the filter it was chosen under (its description; empty for the first filter).
struct SaveChoice {
    QString fileName;
    QString filter;
};

class SaveDialog {
public:
    virtual ~SaveDialog() = default;
    // The chosen path, or empty when the user cancelled. Filters are given as
    // "Description|pattern|Description|pattern|". The dialog starts from `last`, and keeps there
    // the filter of a name that was chosen; the caller keeps the name.
    virtual QString AskFileName(const QString& title, const QString& filters, SaveChoice& last) = 0;
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

// A window's mouse-pointer setting, with the numbers it has always had.
enum class Pointer : int {
    Default = 0,  // the normal arrow
    Busy = 11,    // the hourglass
    Custom = 99,  // the window's own picture
};

class PointerSetting {
public:
    virtual ~PointerSetting() = default;
    virtual Pointer MousePointer() const = 0;
    virtual void SetMousePointer(Pointer value) = 0;
};

// Shows the busy pointer for as long as it lives, and the normal pointer after, also when the
// work in between fails.
class BusyPointer final {
public:
    explicit BusyPointer(PointerSetting& pointer) : pointer_(pointer) {
        pointer_.SetMousePointer(Pointer::Busy);
    }
    ~BusyPointer() { pointer_.SetMousePointer(Pointer::Default); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    PointerSetting& pointer_;
};
