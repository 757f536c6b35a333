// The common error report and the trap that every reporting handler runs its steps under.
#pragma once

#include "kit/Seams.h"

#include <QString>

#include <exception>
#include <utility>

inline const QString SupportAddress = QStringLiteral("support@quorvane.org");

// A failure and where it happened: the handler, its window and the step's number as the line.
struct ErrorReport {
    QString window;
    QString handler;
    QString description;
    int line = 0;

    // The one text every failure reaches the user as.
    QString Text() const;
};

// A handler runs as numbered steps. A step that throws is reported with the handler's window
// and name and the step's number as the line; the handler then goes on with its next step. A
// routine called inside a step simply lets its exception leave it, which abandons the rest of it.
// Once a step meets the program's end, it and every later step stop without a report.
class ErrorTrap final {
public:
    ErrorTrap(Messages& messages, QString window, QString handler)
        : messages_(messages), window_(std::move(window)), handler_(std::move(handler)) {}

    // Returns true when the step ran to its end.
    template <typename Work>
    bool Step(int line, Work&& step) {
        if (ending_) {
            return false;
        }
        try {
            std::forward<Work>(step)();
            return true;
        } catch (const ProgramEnding&) {
            ending_ = true;
        } catch (const std::exception& failure) {
            Report(line, QString::fromUtf8(failure.what()));
        } catch (...) {
            Report(line, QStringLiteral("Unknown failure."));
        }
        return false;
    }

private:
    void Report(int line, const QString& description);

    Messages& messages_;
    QString window_;
    QString handler_;
    bool ending_ = false;
};

void NoteUnreportedFailure(const char* description) noexcept;

// Handlers without a trap (the count box, list clicks and double-clicks) report nothing; their
// failure ends the handler there. It is noted on the console, since the event loop that called
// the handler cannot carry an exception.
template <typename Work>
void RunWithoutTrap(Work&& work) noexcept {
    try {
        std::forward<Work>(work)();
    } catch (const std::exception& failure) {
        NoteUnreportedFailure(failure.what());
    } catch (...) {
        NoteUnreportedFailure("Unknown failure.");
    }
}
