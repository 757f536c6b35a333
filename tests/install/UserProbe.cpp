// Preloaded into the installed program (LD_PRELOAD), plays a user: opens the browser, shows all
// riddles and prints the list's rows, one riddle a line, to standard output. Any message box
// that shows meanwhile is printed to standard error and ends the program with status 3, as does
// a window that never comes (status 4), so the installed program is tried as it is, untouched.
#include "tests/support/Probe.h"

#include <QAbstractItemView>
#include <QMessageBox>
#include <QTimer>

namespace {

void PrintRiddles() {
    const auto* list = Window(QStringLiteral("Form3"))->findChild<QAbstractItemView*>();
    const QAbstractItemModel* rows = list->model();
    for (int row = 0; row < rows->rowCount(); ++row) {
        std::printf("%s\n", qPrintable(rows->index(row, 0).data().toString()));
    }
    std::fflush(stdout);
    QApplication::quit();
}

void FailOnMessageBox() {
    if (const auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        Fail(3, QStringLiteral("a message box showed: %1").arg(box->text()));
    }
}

void Start() {
    // A message box runs an event loop of its own, in which these timers fire too.
    auto* watch = new QTimer(qApp);
    QObject::connect(watch, &QTimer::timeout, qApp, FailOnMessageBox);
    watch->start(50);
    QTimer::singleShot(20'000, qApp, [] { Fail(4, QStringLiteral("gave up after 20 s")); });
    // The first timer fires once an event loop runs: the program's, with the main window shown,
    // or a message box's during start-up.
    QTimer::singleShot(0, qApp, [] {
        FailOnMessageBox();
        Button(Window(QStringLiteral("Form1")), QStringLiteral("Show Quorvane"))->click();
        QTimer::singleShot(0, qApp, [] {
            FailOnMessageBox();
            Button(Window(QStringLiteral("Form3")), QStringLiteral("Start Showing All Riddles"))
                ->click();
            PrintRiddles();
        });
    });
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(Start)
