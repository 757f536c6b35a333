// The desktop's side of the seams: message boxes, the save dialog, the event pump that lets the
// windows repaint during an export, and ending the process.
#pragma once

#include "kit/Seams.h"

#include <QElapsedTimer>

class QWidget;

class QtMessages final : public Messages {
public:
    void ShowMessage(const QString& text) override;
    void ShowErrorReport(const ErrorReport& report) override;
};

// Ends the event loop, so the program returns from main; before the loop runs, the caller
// simply does not start it.
class SystemProcess final : public ProcessControl {
public:
    void EndProgram() override;
    bool Ending() const override { return ending_; }

private:
    bool ending_ = false;
};

// The desktop's save dialog, started from the name and the filter chosen last time.
class QtSaveDialog final : public SaveDialog {
public:
    explicit QtSaveDialog(QWidget* parent) : parent_(parent) {}
    QString AskFileName(const QString& title, const QString& filters, SaveChoice& last) override;

private:
    QWidget* parent_;
};

// Runs pending events at most every few milliseconds: often enough for the window to repaint
// and answer, rarely enough that an export of many thousand fields is not slowed by it.
class QtEventPump final : public EventPump {
public:
    explicit QtEventPump(const ProcessControl& process) : process_(process) {
        sinceLastRun_.start();
    }
    void LetEventsRun() override;

private:
    const ProcessControl& process_;
    QElapsedTimer sinceLastRun_;
};
