// Quorvane: the program starts by building its main window, whose start-up does the rest.
#include "app/DesktopServices.h"
#include "app/Form1.h"
#include "browser/Form3.h"
#include "quiz/Form2.h"
#include "quiz/RandomSource.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Wayland names a program's windows by this (their app_id): docks and task switchers find
    // the desktop entry, with its name and icon, under it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quorvane.Quorvane"));
    DesktopServices desktop;
    const Files files(QCoreApplication::applicationDirPath());
    Form1 form1({desktop.messages, desktop.process, files});

    // A working window is discarded when it closes, and the next opening builds it anew; the
    // slots own what is left of them when the program ends.
    const auto services = [&] {
        return desktop.ForWorkingWindow(files, form1.RiddleConnection(),
                                        [&form1] { form1.show(); });
    };
    TimeSeededRandom random;
    WorkingWindowSlot<Form2> quiz([&] { return new Form2(services(), random); });
    WorkingWindowSlot<Form3> browser([&] { return new Form3(services()); });
    form1.SetWorkingWindows([&] { quiz.Show(); }, [&] { browser.Show(); });

    if (!form1.Start()) {
        return EXIT_SUCCESS;
    }
    return QApplication::exec();
}
