// What the quiz and browser windows share: the result list, the window pointer, the error trap
// with the window's name, the hand cursor, telling screen readers what a press brought about,
// removing rows and closing.
#pragma once

#include "kit/ErrorReport.h"
#include "kit/Files.h"
#include "kit/Seams.h"
#include "results/ResultList.h"
#include "ui/Accessibility.h"
#include "ui/WindowPointer.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class Connection;
class ResultListView;
class SettingsStore;
class SpreadsheetProvider;

// What the main window hands each working window it opens.
struct WorkingWindowServices {
    Messages& messages;
    SettingsStore& settings;
    SaveDialog& saveDialog;
    SpreadsheetProvider& spreadsheets;
    EventPump& events;
    Files files;
    Connection* riddleConnection;  // the program's one connection; never opened or closed here
    std::function<void()> showMainWindow;

    Connection& RiddleConnection() const;
};

class WorkingWindow : public FrameWindow {
    Q_OBJECT

public:
    ~WorkingWindow() override;

    WindowPointer& MousePointerSetting() { return pointer_; }
    ResultList& List() { return list_; }
    // Closed, and only waiting for its export to end before it is discarded.
    bool Discarded() const { return discardWhenIdle_; }

    // Shows the main window again and discards this one; never refused.
    void Form_QueryUnload();
    // Removes the selected row, unless the window is busy.
    void ListView1_DblClick();
    // "Send Results To Excel".
    void PushButton13_Click();

protected:
    WorkingWindow(const QString& name, WorkingWindowServices services);

    ErrorTrap Trap(const QString& handler);
    void closeEvent(QCloseEvent* event) override;
    // "Save Results As Text", under the name of the window's own handler.
    void SaveResultsAsText(const QString& handler);

    WorkingWindowServices services_;
    WindowPointer pointer_;
    ResultList list_;
    ResultListView* ListView1;
    Announcer* announcer_;  // tells screen readers what a press brought about

private:
    // Runs an export, which lets window events run: a close meanwhile must not delete the window
    // under the export's feet, so the window is discarded once the export is over.
    template <typename Export>
    void RunExport(Export&& exportRows);

    SaveChoice lastTextFile_;  // the save dialog starts from the name and filter chosen last time
    int exportsRunning_ = 0;
    bool discardWhenIdle_ = false;
};

// Shows the working window kept in `window`, building it first and running its opening when there
// is none, or when the one there is closed and only waits for its export to end.
template <typename Window, typename Build>
void ShowWorkingWindow(QPointer<Window>& window, Build&& build) {
    if (!window || window->Discarded()) {
        window = build();
        window->Form_Load();
    }
    window->show();
}

// Owns the working window of one kind: shows it, building it as ShowWorkingWindow does, and
// discards what is left of it when the program's windows go. A working window has no owner
// window, so that it stands on the desktop by itself.
template <typename Window>
class WorkingWindowSlot final {
public:
    explicit WorkingWindowSlot(std::function<Window*()> build) : build_(std::move(build)) {}
    ~WorkingWindowSlot() { delete window_.data(); }
    WorkingWindowSlot(const WorkingWindowSlot&) = delete;
    WorkingWindowSlot& operator=(const WorkingWindowSlot&) = delete;

    void Show() { ShowWorkingWindow(window_, build_); }

private:
    std::function<Window*()> build_;
    QPointer<Window> window_;
};
