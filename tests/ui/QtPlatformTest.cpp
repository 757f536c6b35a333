// The desktop's side of the seams.
#include "tests/support/FakePlatform.h"
#include "ui/QtPlatform.h"

#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(QtPlatformTest, EventPumpStopsWorkOnceTheProgramEnds) {
    FakeProcess process;  // the desktop's would end this test program's event loop
    QtEventPump events(process);
    EXPECT_NO_THROW(events.LetEventsRun());
    process.EndProgram();
    EXPECT_THROW(events.LetEventsRun(), ProgramEnding);
}

// The real dialog, answered as a user would: each showing starts on the name and the filter
// chosen last, and a cancelled showing changes neither.
TEST(QtPlatformTest, SaveDialogStartsOnTheNameAndTheFilterChosenLast) {
    const QTemporaryDir folder;
    const QString text = u"Text Files (*.txt)"_s;
    const QString all = u"All Files (*.*)"_s;
    QtSaveDialog dialog(nullptr);
    SaveChoice last;
    QStringList startedOn;
    // At the next showing, notes the filter and name it started on, then chooses the name `choice`
    // under `filter`, or cancels when no name is given.
    const auto ask = [&](const QString& filter, const QString& choice) {
        QTimer::singleShot(0, [&, filter, choice] {
            auto* shown = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (shown == nullptr) {
                ADD_FAILURE() << "no save dialog showed";
                QApplication::closeAllWindows();
                return;
            }
            // Before any choice, the dialog offers no name in the test's folder.
            const QString started = shown->selectedFiles().value(0);
            const QString name =
                started.startsWith(folder.path()) ? QFileInfo(started).fileName() : QString();
            startedOn.append(shown->selectedNameFilter() + u" "_s + name);
            if (choice.isEmpty()) {
                shown->reject();
                return;
            }
            shown->selectNameFilter(filter);
            shown->selectFile(folder.filePath(choice));
            QMetaObject::invokeMethod(shown, "accept");  // as the Save button does
        });
        const QString chosen =
            dialog.AskFileName(u"Save List"_s, u"%1|*.txt|%2|*.*|"_s.arg(text, all), last);
        if (!chosen.isEmpty()) {
            last.fileName = chosen;  // as the handler does
        }
        return QFileInfo(chosen).fileName();
    };

    EXPECT_EQ(ask(all, u"first"_s), u"first"_s);
    EXPECT_EQ(ask({}, {}), QString());
    EXPECT_EQ(ask(text, u"second.txt"_s), u"second.txt"_s);
    EXPECT_EQ(ask({}, {}), QString());
    EXPECT_EQ(startedOn, (QStringList{text + u" "_s, all + u" first"_s, all + u" first"_s,
                                      text + u" second.txt"_s}));
}

}  // namespace
