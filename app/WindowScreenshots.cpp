// quorvane-screenshots: pictures of the three windows for the README, made headless from the
// built program folder with fixed random choices, so that they only change when the windows do.
#include "app/DesktopServices.h"
#include "app/Form1.h"
#include "browser/Form3.h"
#include "quiz/Form2.h"
#include "quiz/RandomSource.h"
#include "results/ResultListView.h"
#include "store/Connection.h"
#include "store/RiddleFile.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// A window whose icon files were not built in shows none on the desktop either.
bool Save(QWidget& window, const QString& path) {
    if (window.windowIcon().availableSizes().isEmpty()) {
        std::fprintf(stderr, "quorvane-screenshots: %s has no icon\n",
                     qPrintable(window.objectName()));
        return false;
    }
    window.show();
    QApplication::processEvents();
    return window.grab().save(path);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fputs("Usage: quorvane-screenshots PROGRAM-FOLDER OUT-FOLDER\n", stderr);
        return 2;
    }
    const Files files(QString::fromLocal8Bit(argv[1]));
    const QDir out(QString::fromLocal8Bit(argv[2]));
    QTemporaryDir settingsFolder;
    DesktopServices desktop(settingsFolder.path());
    SeededRandom random(7);
    Connection connection([] { return quint64{11}; });
    connection.Open(RiddleFile::ConnectionString(files.BesideProgram(RiddleFile::FileName)));
    const WorkingWindowServices services = desktop.ForWorkingWindow(files, &connection, [] {});

    Form1 main({desktop.messages, desktop.process, files});
    main.Form_Load();

    Form3 browser(services);
    browser.Form_Load();
    browser.PushButton5_Click();  // answers shown
    browser.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("12"));
    browser.PushButton1_Click();
    browser.List().SetTicked(1, true);
    browser.List().SetTicked(3, true);
    browser.findChild<ResultListView*>(QStringLiteral("ListView1"))->SelectRow(1);
    browser.ListView1_Click();

    Form2 quiz(services, random);
    quiz.Form_Load();
    quiz.Quiz().guessBox = QStringLiteral("a shadow");
    quiz.PushButton1_Click();
    quiz.Quiz().GuessCount = 2;
    quiz.Quiz().CorrectCount = 1;
    quiz.PushButton1_Click();
    quiz.PushButton3_Click();

    const bool saved = Save(main, out.filePath(QStringLiteral("main.png"))) &&
                       Save(browser, out.filePath(QStringLiteral("browser.png"))) &&
                       Save(quiz, out.filePath(QStringLiteral("quiz.png")));
    return saved ? 0 : 1;
}
