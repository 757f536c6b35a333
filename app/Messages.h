// The message boxes the logic asks for, so that it never opens a dialog itself.
#pragma once

#include <QString>

class Messages {
public:
    virtual ~Messages() = default;
    // A modal box with an OK button, no icon and the application title.
    virtual void ShowMessage(const QString& text) = 0;
    // A modal box titled "Application Error" with the warning icon and an OK button.
    virtual void ShowErrorBox(const QString& text) = 0;
};

// Ends the process: closing the main window and a missing riddle file end the program at once.
class ProcessControl {
public:
    virtual ~ProcessControl() = default;
    virtual void EndProgram() = 0;
    // True once EndProgram was called: work still under way stops at its next chance.
    virtual bool Ending() const = 0;
};
