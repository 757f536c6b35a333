// Quorvane: the program starts by building its main window, whose start-up does the rest.
#include "app/Form1.h"
#include "app/QtPlatform.h"
#include "app/Settings.h"
#include "browser/Form3.h"
#include "export/XlsxSpreadsheet.h"
#include "quiz/Form2.h"
#include "quiz/RandomSource.h"

#include <QApplication>
#include <QPointer>

#include <cstdlib>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QtMessages messages;
    SystemProcess process;
    IniSettingsStore settings;
    QtSaveDialog saveDialog(nullptr);
    DesktopSpreadsheets spreadsheets;
    QtEventPump events(process);
    const Files files(QCoreApplication::applicationDirPath());
    Form1 form1({messages, process, files});

    // A working window owns itself and is discarded when it closes; the next opening builds it
    // anew.
    const auto services = [&] {
        return WorkingWindowServices{messages,
                                     settings,
                                     saveDialog,
                                     spreadsheets,
                                     events,
                                     files,
                                     form1.RiddleConnection(),
                                     [&form1] {
                                         form1.show();
                                     }};
    };
    TimeSeededRandom random;
    QPointer<Form2> quiz;
    const auto openQuiz = [&] {
        ShowWorkingWindow(quiz, [&] { return new Form2(services(), random); });
    };
    QPointer<Form3> browser;
    const auto openBrowser = [&] {
        ShowWorkingWindow(browser, [&] { return new Form3(services()); });
    };
    form1.SetWorkingWindows(openQuiz, openBrowser);

    if (!form1.Start()) {
        return EXIT_SUCCESS;
    }
    return QApplication::exec();
}
