// Message boxes with the application title, and ending the process.
#include "ui/QtPlatform.h"

#include "kit/ApplicationTitle.h"
#include "kit/ErrorReport.h"
#include "ui/WindowText.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

#include <cstdlib>

namespace {

void ShowBox(QMessageBox::Icon icon, const QString& title, const QString& text) {
    QMessageBox box(icon, title, ForDisplay(text), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace

void QtMessages::ShowMessage(const QString& text) {
    ShowBox(QMessageBox::NoIcon, ApplicationTitle(), text);
}

void QtMessages::ShowErrorReport(const ErrorReport& report) {
    ShowBox(QMessageBox::Warning, QStringLiteral("Application Error"), report.Text());
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
