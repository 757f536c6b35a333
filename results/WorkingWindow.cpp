// The behaviour both working windows have in common.
#include "results/WorkingWindow.h"

#include "export/Spreadsheet.h"
#include "export/TextExport.h"
#include "results/ResultListView.h"
#include "ui/WindowFonts.h"

#include <QCloseEvent>

#include <stdexcept>

Connection& WorkingWindowServices::RiddleConnection() const {
    if (riddleConnection == nullptr) {
        throw std::runtime_error("The riddle file was never opened.");
    }
    return *riddleConnection;
}

WorkingWindow::WorkingWindow(const QString& name, WorkingWindowServices services)
    : services_(std::move(services)), pointer_(*this),
      ListView1(new ResultListView(list_, this)),
      announcer_(new Announcer(this)) {
    setObjectName(name);
    setFont(ArialBold(WindowPoints));
    connect(ListView1, &QAbstractItemView::doubleClicked, this,
            [this] { RunWithoutTrap([this] { ListView1_DblClick(); }); });
}

WorkingWindow::~WorkingWindow() = default;

ErrorTrap WorkingWindow::Trap(const QString& handler) {
    return ErrorTrap(services_.messages, objectName(), handler);
}

void WorkingWindow::ListView1_DblClick() {
    if (pointer_.MousePointer() == Pointer::Busy || list_.Count() == 0) {
        return;
    }
    if (const int row = ListView1->SelectedRow(); row != 0) {
        list_.RemoveRow(row);
    }
}

template <typename Export>
void WorkingWindow::RunExport(Export&& exportRows) {
    ++exportsRunning_;
    exportRows(list_.Snapshot());
    if (--exportsRunning_ == 0 && discardWhenIdle_) {
        deleteLater();
    }
}

void WorkingWindow::SaveResultsAsText(const QString& handler) {
    ErrorTrap trap = Trap(handler);
    RunExport([&](const ResultSnapshot& rows) {
        // Its steps run in SaveResultsAsText (export/TextExport.cpp), named there.
        ::SaveResultsAsText(rows, lastTextFile_, services_.saveDialog, pointer_, services_.events,
                            trap);
    });
}

void WorkingWindow::PushButton13_Click() {
    ErrorTrap trap = Trap(QStringLiteral("PushButton13_Click"));
    RunExport([&](const ResultSnapshot& rows) {
        // Its steps run in SendResultsToSpreadsheet (export/Spreadsheet.cpp), named there.
        SendResultsToSpreadsheet(rows, services_.spreadsheets, services_.messages, pointer_,
                                 services_.events, trap);
    });
}

void WorkingWindow::Form_QueryUnload() {
    ErrorTrap trap = Trap(QStringLiteral("Form_QueryUnload"));
    trap.Step(1, [&] { services_.showMainWindow(); });
    trap.Step(2, [&] {
        if (exportsRunning_ > 0) {
            hide();
            discardWhenIdle_ = true;
        } else {
            deleteLater();
        }
    });
}

void WorkingWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_QueryUnload();
}
