// Message boxes with the application title, the save dialog, each belonging to the window it is
// shown for, the event pump, and ending the process.
#include "ui/QtPlatform.h"

#include "kit/ApplicationTitle.h"
#include "kit/ErrorReport.h"
#include "ui/WindowText.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QWindow>

#include <cstdlib>

namespace {

// The window a dialog is shown for: the one the caller names when it is on screen, else the
// active window, else the one window on screen (a compositor without a keyboard, as in tests,
// activates none). Null when none of them tells.
QWidget* OwnerWindow(const QString& name) {
    QWidget* onlyShown = nullptr;
    int shown = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = window->windowType();
        if (!window->isVisible() || (type != Qt::Window && type != Qt::Dialog)) {
            continue;
        }
        if (!name.isEmpty() && window->objectName() == name) {
            return window;
        }
        onlyShown = window;
        ++shown;
    }
    if (QWidget* active = QApplication::activeWindow()) {
        return active;
    }
    return shown == 1 ? onlyShown : nullptr;
}

// Makes a dialog without a parent belong to its owner window. X11 keeps such a dialog over the
// program's windows anyway; Wayland opens it as a window of its own, wherever the compositor puts
// new windows, and docks list it apart. It belongs to the owner as a window only: as a child
// widget it would take on the owner's style sheet, and the main window's skin would restyle it.
void BelongToOwner(QWidget& dialog, const QString& ownerName) {
    if (dialog.parentWidget() != nullptr) {
        return;
    }
    if (QWidget* owner = OwnerWindow(ownerName); owner != nullptr && owner->windowHandle()) {
        dialog.winId();  // gives the dialog its window before it is shown
        dialog.windowHandle()->setTransientParent(owner->windowHandle());
    }
}

void ShowBox(QMessageBox::Icon icon, const QString& title, const QString& text,
             const QString& ownerName = {}) {
    QMessageBox box(icon, title, ForDisplay(text), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    BelongToOwner(box, ownerName);
    box.exec();
}

}  // namespace

void QtMessages::ShowMessage(const QString& text) {
    ShowBox(QMessageBox::NoIcon, ApplicationTitle(), text);
}

void QtMessages::ShowErrorReport(const ErrorReport& report) {
    ShowBox(QMessageBox::Warning, QStringLiteral("Application Error"), report.Text(),
            report.window);
}

void SystemProcess::EndProgram() {
    ending_ = true;
    QCoreApplication::exit(EXIT_SUCCESS);
}

QString QtSaveDialog::AskFileName(const QString& title, const QString& filters, SaveChoice& last) {
    // "Text Files (*.txt)|*.txt|All Files (*.*)|*.*|" lists each filter's name and pattern; the
    // names already carry their patterns in the form the dialog shows.
    const QStringList parts = filters.split(u'|');
    QStringList names;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        names.append(parts[i]);
    }
    QFileDialog dialog(parent_, title, last.fileName);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(names);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (names.contains(last.filter)) {
        dialog.selectNameFilter(last.filter);
    }
    if (!last.fileName.isEmpty()) {
        dialog.selectFile(last.fileName);
    }
    BelongToOwner(dialog, {});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    last.filter = dialog.selectedNameFilter();
    return dialog.selectedFiles().constFirst();
}

void QtEventPump::LetEventsRun() {
    constexpr qint64 IntervalMs = 15;
    if (sinceLastRun_.elapsed() >= IntervalMs) {
        QCoreApplication::processEvents();
        sinceLastRun_.restart();
    }
    if (process_.Ending()) {
        throw ProgramEnding();
    }
}
