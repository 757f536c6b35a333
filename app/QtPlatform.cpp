// Message boxes with the application title, and ending the process.
#include "app/QtPlatform.h"

#include "app/ApplicationTitle.h"
#include "app/WindowText.h"

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

void QtMessages::ShowErrorBox(const QString& text) {
    ShowBox(QMessageBox::Warning, QStringLiteral("Application Error"), text);
}

void SystemProcess::EndProgram() {
    std::exit(EXIT_SUCCESS);
}
