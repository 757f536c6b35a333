// Preloaded into the program (LD_PRELOAD), brings up a message box the way a user does: opens the
// browser, types a count that is no number and presses "Start Displaying". Once the box is on
// screen it prints "probe: box shown: TEXT" and ends the program at once with status 0, so that
// the box is the last window the program made; a box that never shows ends it with status 4.
#include "tests/support/Probe.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>

namespace {

// Runs in the box's own event loop: once the compositor has shown it, the requests that made it
// are in the log.
void EndOnceTheBoxShows() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || box->windowHandle() == nullptr || !box->windowHandle()->isExposed()) {
        return;
    }
    std::printf("probe: box shown: %s\n", qPrintable(box->text()));
    std::fflush(stdout);
    std::_Exit(0);
}

void Start() {
    auto* watch = new QTimer(qApp);
    QObject::connect(watch, &QTimer::timeout, qApp, EndOnceTheBoxShows);
    watch->start(50);
    QTimer::singleShot(20'000, qApp, [] { Fail(4, QStringLiteral("no message box after 20 s")); });
    // Each step waits for the window it needs to be on screen, as a user does.
    QTimer::singleShot(0, qApp, [] {
        Button(Window(QStringLiteral("Form1")), QStringLiteral("Show Quorvane"))->click();
        auto* opened = new QTimer(qApp);
        QObject::connect(opened, &QTimer::timeout, qApp, [opened] {
            QWidget* browser = Window(QStringLiteral("Form3"));
            if (browser->windowHandle() == nullptr || !browser->windowHandle()->isExposed()) {
                return;
            }
            opened->stop();
            auto* count = browser->findChild<QLineEdit*>();
            if (count == nullptr) {
                Fail(4, QStringLiteral("no count box"));
            }
            count->setText(QStringLiteral("abc"));
            Button(browser, QStringLiteral("Start Displaying"))->click();
        });
        opened->start(50);
    });
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(Start)
