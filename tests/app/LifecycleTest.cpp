// The main window's life: its start-up against riddle files that are missing, broken or fine, the
// working windows it opens, and reopening them or ending the program while an export lets window
// events run.
#include "app/Form1.h"
#include "browser/Form3.h"
#include "kit/ApplicationTitle.h"
#include "tests/support/WindowFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

void MakeRiddleFile(const TestFolder& folder, const QString& password = {}) {
    folder.MakeRiddleFile(RiddleFile::FileName, NumberedRiddles(3), password);
}

class LifecycleTest : public WindowFixture {
protected:
    LifecycleTest() {
        OpenRiddles(NumberedRiddles(30));
        main = std::make_unique<Form1>(
            Form1::Services{fake.messages, process, Files(folder.Folder())});
        main->Start();
        main->SetWorkingWindows({}, [this] {
            ShowWorkingWindow(browser, [this] {
                WorkingWindowServices services = Services();
                services.showMainWindow = [this] {
                    main->show();
                };
                return new Form3(services);
            });
        });
        fake.events.process = &process;
    }
    ~LifecycleTest() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        delete browser.data();
    }
    void ShowBrowser() { Control<QPushButton>(*main, "PushButton2")->click(); }
    // Loads every riddle into the browser and ticks them, ready to export.
    void LoadAll() {
        browser->PushButton3_Click();
        browser->List().SetAllTicked(true);
    }

    FakeProcess process;
    std::unique_ptr<Form1> main;
    QPointer<Form3> browser;
};

// A missing riddle file, or a folder in its place, ends the program with one message before any
// window shows; a file that cannot be opened is reported, and the main window shows all the same.
// Each start-up has a folder, messages and process of its own.
TEST_F(LifecycleTest, RiddleFileDecidesBetweenEndingReportingAndOpeningAtStartUp) {
    const struct {
        const char* name;
        void (*prepare)(const TestFolder&);
        int state;    // of the connection; -1: there is none, the program ended
        bool report;  // one report, at line 9
    } rows[] = {
        {"Missing", [](const TestFolder&) {}, -1, false},
        {"Folder", [](const TestFolder& f) { QDir(f.Folder()).mkdir(RiddleFile::FileName); }, -1,
         false},
        {"Good", [](const TestFolder& f) { MakeRiddleFile(f); }, 1, false},
        {"OtherPassword", [](const TestFolder& f) { MakeRiddleFile(f, u"not the program's"_s); }, 0,
         true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TestFolder own;
        FakeMessages told;
        FakeProcess ending;
        row.prepare(own);
        Form1 form(Form1::Services{told, ending, Files(own.Folder())});
        form.Start();
        const bool ended = row.state < 0;
        const QString notFound =
            QDir::toNativeSeparators(own.Path(RiddleFile::FileName)) + u" not found."_s;
        EXPECT_EQ(told.messages, ended ? QStringList{notFound} : QStringList());
        EXPECT_EQ(told.places,
                  row.report ? QStringList{u"Form1.Form_Load at line 9"_s} : QStringList());
        EXPECT_EQ(ending.ends, ended ? 1 : 0);
        EXPECT_EQ(form.isVisible(), !ended);
        EXPECT_EQ(form.RiddleConnection() ? form.RiddleConnection()->State() : -1, row.state);
        EXPECT_FALSE(form.windowIcon().availableSizes().isEmpty());  // its files were found
    }
    EXPECT_EQ(ApplicationTitle(), u"Quorvane"_s);  // the message boxes' title
}

TEST_F(LifecycleTest, ButtonsOpenAWorkingWindowAndHideTheMainWindowEvenWhenOpeningFails) {
    int quizOpened = 0;
    main->SetWorkingWindows([&] { ++quizOpened; },
                            [] { throw std::runtime_error("browser failed to open"); });
    Control<QPushButton>(*main, "PushButton1")->click();
    EXPECT_EQ(quizOpened, 1);
    EXPECT_FALSE(main->isVisible());

    main->show();
    ShowBrowser();
    EXPECT_EQ(messages.places, QStringList{u"Form1.PushButton2_Click at line 1"_s});
    EXPECT_FALSE(main->isVisible());  // the handler went on with its next step
}

// A browser closed while its export runs is discarded only once the export is over.
TEST_F(LifecycleTest, ReopeningWhileTheClosedBrowserStillExportsBuildsANewOne) {
    ShowBrowser();
    const QPointer<Form3> first = browser;
    LoadAll();
    Control<QLineEdit>(*first, "Text1")->setText(u"12"_s);
    fake.saveDialog.answers = {folder.Path(u"saved.txt"_s)};
    fake.events.runAt = 5;
    fake.events.during = [&] {
        first->close();
        ShowBrowser();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    Control<QPushButton>(*first, "PushButton4")->click();

    ASSERT_TRUE(first && browser);
    EXPECT_EQ(first->MousePointerSetting().MousePointer(), Pointer::Default);
    EXPECT_NE(browser.data(), first.data());
    EXPECT_TRUE(browser->isVisible());
    EXPECT_EQ(Control<QLineEdit>(*browser, "Text1")->text(), u"12"_s);  // its opening ran
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(ReadFile(folder.Path(u"saved.txt"_s)).endsWith("Riddle 30\tAnswer 30\t\r\n"));

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(first);
    EXPECT_TRUE(browser && browser->isVisible());
    EXPECT_TRUE(fake.messages.errors.isEmpty());
}

// Both exports end at the fifth event run, where the user closes the browser and the main window.
TEST_F(LifecycleTest, EndingTheProgramDuringAnExportStopsItSilently) {
    const QString old = folder.WriteBytes(u"old.txt"_s, "old text");
    fake.saveDialog.answers = {old};
    fake.events.runAt = 5;
    fake.events.during = [&] {
        browser->close();
        main->close();
    };
    for (const char* button : {"PushButton4", "PushButton13"}) {
        SCOPED_TRACE(button);
        process.ends = 0;
        fake.events.calls = 0;
        ShowBrowser();
        LoadAll();
        Control<QPushButton>(*browser, button)->click();
        EXPECT_EQ(process.ends, 1);
    }
    EXPECT_EQ(ReadFile(old), "old text");
    // Headers took two event runs, the first row's text the fourth; nothing after the fifth.
    EXPECT_EQ(fake.spreadsheets.log.calls,
              (QStringList{u"workbook"_s, u"header 1,1 Riddles"_s, u"fit 1"_s,
                           u"header 1,2 Answers"_s, u"fit 2"_s, u"cell 2,1 Riddle 1"_s}));
    EXPECT_TRUE(fake.messages.errors.isEmpty());
}

}  // namespace
