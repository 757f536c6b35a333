// Stand-ins for every seam the logic takes, so handlers run headless; the benchmarks use them too.
#pragma once

#include "export/Spreadsheet.h"
#include "kit/ErrorReport.h"
#include "kit/Seams.h"
#include "kit/Settings.h"
#include "quiz/RandomSource.h"

#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

class FakeMessages final : public Messages {
public:
    void ShowMessage(const QString& text) override { messages.append(text); }
    void ShowErrorReport(const ErrorReport& report) override {
        errors.append(report.Text());
        places.append(
            QStringLiteral("%1.%2 at line %3").arg(report.window, report.handler).arg(report.line));
    }
    void ClearReports() {
        errors.clear();
        places.clear();
    }

    QStringList messages;
    QStringList errors;
    QStringList places;  // where each report came from: "Window.Handler at line N"
};

// For runs that must show nothing, the benchmarks': any message stops the program.
class NoMessages final : public Messages {
public:
    void ShowMessage(const QString& text) override { qFatal("message: %s", qPrintable(text)); }
    void ShowErrorReport(const ErrorReport& report) override {
        qFatal("report: %s", qPrintable(report.Text()));
    }
};

// A window pointer that remembers every value it was set to.
class FakePointer final : public PointerSetting {
public:
    Pointer MousePointer() const override { return value; }
    void SetMousePointer(Pointer v) override { seen.push_back(value = v); }
    Pointer value = Pointer::Default;
    std::vector<Pointer> seen;
};

// The same value in [0, 1) on every draw.
class FixedRandom final : public RandomSource {
public:
    explicit FixedRandom(double value) : value_(value) {}
    double Next() override { return value_; }

private:
    double value_;
};

class FakeProcess final : public ProcessControl {
public:
    void EndProgram() override { ++ends; }
    bool Ending() const override { return ends > 0; }
    int ends = 0;
};

// Settings kept in memory; every write is also recorded in order, and onRead runs at each read.
class FakeSettings final : public SettingsStore {
public:
    QString GetSetting(const QString& application, const QString& section, const QString& key,
                       const QString& defaultValue) override {
        if (onRead) {
            onRead();
        }
        return values.value(application + u'/' + section + u'/' + key, defaultValue);
    }
    void SaveSetting(const QString& application, const QString& section, const QString& key,
                     const QString& value) override {
        values[application + u'/' + section + u'/' + key] = value;
        writes.append(key + u'=' + value);
    }
    void Refresh() override {}
    void Set(const QString& key, const QString& value) {
        values[SettingsApplication + u'/' + SettingsSection + u'/' + key] = value;
    }
    QString Get(const QString& key) const {
        return values.value(SettingsApplication + u'/' + SettingsSection + u'/' + key);
    }

    QMap<QString, QString> values;
    QStringList writes;
    std::function<void()> onRead;
};

// Answers each save dialog with the next queued name (empty: cancelled) and records what the
// dialog was asked to start from.
class FakeSaveDialog final : public SaveDialog {
public:
    QString AskFileName(const QString&, const QString&, SaveChoice& last) override {
        initialNames.append(last.fileName);
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    QStringList answers;
    QStringList initialNames;
};

// Counts the chances to run events and runs `during` at one of them, to play the user; stops
// the work as the desktop's pump does once `process` is ending.
class FakeEvents final : public EventPump {
public:
    void LetEventsRun() override {
        if (++calls == runAt && during) {
            during();
        }
        if (process != nullptr && process->Ending()) {
            throw ProgramEnding();
        }
    }
    int calls = 0;
    int runAt = 0;
    std::function<void()> during;
    const ProcessControl* process = nullptr;
};

// A spreadsheet program that records its cells and can be told to fail.
class FakeSpreadsheet final : public SpreadsheetApplication {
public:
    struct Log {
        QStringList calls;
        int failAfter = -1;  // calls that succeed before every later one fails
    };
    explicit FakeSpreadsheet(Log& log) : log_(log) {}
    void AddWorkbook() override { Record(QStringLiteral("workbook")); }
    void SetHeaderCell(int r, int c, const QString& t) override {
        Record(QStringLiteral("header %1,%2 ").arg(r).arg(c) + t);
    }
    void SetCellValue(int r, int c, const QString& t) override {
        Record(QStringLiteral("cell %1,%2 ").arg(r).arg(c) + t);
    }
    void AutofitColumn(int c) override { Record(QStringLiteral("fit %1").arg(c)); }
    void AutofitAllColumns() override { Record(QStringLiteral("fit all")); }
    void SetVisible(bool) override { Record(QStringLiteral("visible")); }

private:
    void Record(const QString& call) {
        if (log_.failAfter >= 0 && log_.calls.size() >= log_.failAfter) {
            throw std::runtime_error("The spreadsheet program stopped answering.");
        }
        log_.calls.append(call);
    }
    Log& log_;
};

class FakeSpreadsheets final : public SpreadsheetProvider {
public:
    bool Available() override { return installed; }
    std::unique_ptr<SpreadsheetApplication> Create() override {
        if (!installed) {
            throw std::runtime_error("no spreadsheet program");
        }
        return givesNone ? nullptr : std::make_unique<FakeSpreadsheet>(log);
    }
    bool installed = true;
    bool givesNone = false;
    FakeSpreadsheet::Log log;
};

// A window's control by its name.
template <typename Widget>
Widget* Control(QObject& window, const char* name) {
    return window.findChild<Widget*>(QString::fromLatin1(name));
}

// Everything a working window needs, as fakes.
struct FakeWindowServices {
    FakeMessages messages;
    FakeSettings settings;
    FakeSaveDialog saveDialog;
    FakeSpreadsheets spreadsheets;
    FakeEvents events;
};
