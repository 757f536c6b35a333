// The working windows' lives around the main window: reopening, and ending the program, while an
// export lets window events run.
#include "app/Form1.h"
#include "browser/Form3.h"
#include "tests/support/WindowFixture.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class LifecycleTest : public WindowFixture {
protected:
    LifecycleTest() {
        OpenRiddles(NumberedRiddles(30));
        main = std::make_unique<Form1>(
            Form1::Services{fake.messages, process, Files(folder.Folder())});
        main->Start();
        main->SetWorkingWindows([] {},
                                [this] {
                                    ShowWorkingWindow(browser, [this] {
                                        WorkingWindowServices services = Services();
                                        services.showMainWindow = [this] {
                                            main->show();
                                        };
                                        built.append(new Form3(services));
                                        return built.last().data();
                                    });
                                });
        fake.events.process = &process;
    }
    ~LifecycleTest() override {
        for (const QPointer<Form3>& window : built) {
            delete window.data();
        }
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
    QList<QPointer<Form3>> built;
};

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

    ASSERT_TRUE(browser);
    EXPECT_NE(browser.data(), first.data());
    EXPECT_TRUE(browser->isVisible());
    EXPECT_EQ(Control<QLineEdit>(*browser, "Text1")->text(), u"12"_s);  // its opening ran
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(ReadFile(folder.Path(u"saved.txt"_s)).endsWith("Riddle 30\tAnswer 30\t\r\n"));

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(first);  // discarded once its export was over
    EXPECT_TRUE(browser && browser->isVisible());
    EXPECT_TRUE(fake.messages.errors.isEmpty());
}

TEST_F(LifecycleTest, EndingTheProgramDuringAnExportStopsItSilently) {
    const QString old = folder.WriteBytes(u"old.txt"_s, "old text");
    const auto endDuringTheFifthEventRun = [&] {
        fake.events.calls = 0;
        fake.events.runAt = 5;
        fake.events.during = [&] {
            browser->close();
            main->close();
        };
    };
    ShowBrowser();
    LoadAll();
    fake.saveDialog.answers = {old};
    endDuringTheFifthEventRun();
    Control<QPushButton>(*browser, "PushButton4")->click();
    EXPECT_EQ(process.ends, 1);
    EXPECT_EQ(ReadFile(old), "old text");

    process.ends = 0;
    ShowBrowser();
    LoadAll();
    endDuringTheFifthEventRun();
    Control<QPushButton>(*browser, "PushButton13")->click();
    EXPECT_EQ(process.ends, 1);
    // Headers took two event runs, the first row's text the fourth; nothing after the fifth.
    EXPECT_EQ(fake.spreadsheets.log.calls,
              (QStringList{u"workbook"_s, u"header 1,1 Riddles"_s, u"fit 1"_s,
                           u"header 1,2 Answers"_s, u"fit 2"_s, u"cell 2,1 Riddle 1"_s}));
    EXPECT_TRUE(fake.messages.errors.isEmpty());
}

}  // namespace
