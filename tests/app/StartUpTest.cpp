// The main window's start-up against riddle files that are missing, broken or fine.
#include "app/Form1.h"
#include "kit/ApplicationTitle.h"
#include "store/Connection.h"
#include "store/RiddleFile.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/RiddleFiles.h"

#include <QDir>
#include <QFile>
#include <QPushButton>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

class StartUpTest : public testing::Test {
protected:
    std::unique_ptr<Form1> Start() {
        auto form =
            std::make_unique<Form1>(Form1::Services{messages, process, Files(folder.Folder())});
        form->Start();
        return form;
    }
    QString RiddleFilePath() const {
        return QDir::toNativeSeparators(folder.Path(RiddleFile::FileName));
    }
    void MakeRiddleFile(const QString& password = {}) {
        folder.MakeRiddleFile(RiddleFile::FileName, NumberedRiddles(3), password);
    }

    TestFolder folder;
    FakeMessages messages;
    FakeProcess process;
};

TEST_F(StartUpTest, MissingRiddleFileShowsOneMessageAndEndsBeforeAnyWindow) {
    auto form = Start();
    EXPECT_EQ(messages.messages, QStringList{RiddleFilePath() + u" not found."_s});
    EXPECT_TRUE(messages.errors.isEmpty());
    EXPECT_EQ(process.ends, 1);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->RiddleConnection(), nullptr);
    EXPECT_EQ(ApplicationTitle(), u"Quorvane"_s);  // the message box's title

    // A folder named like the riddle file counts as missing.
    ASSERT_TRUE(QDir(folder.Folder()).mkdir(RiddleFile::FileName));
    form = Start();
    EXPECT_EQ(messages.messages.size(), 2);
    EXPECT_EQ(process.ends, 2);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(StartUpTest, UnopenableFileGivesOneReportThenTheMainWindow) {
    MakeRiddleFile(u"not the program's password"_s);
    const auto form = Start();
    EXPECT_EQ(messages.Places(), QStringList{u"Form1.Form_Load at line 9"_s});
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(process.ends, 0);
    EXPECT_TRUE(form->isVisible());
    ASSERT_NE(form->RiddleConnection(), nullptr);
    EXPECT_EQ(form->RiddleConnection()->State(), 0);
}

TEST_F(StartUpTest, OldAccessFilesAreCheckedByTheirHeaderAtStartUp) {
    const auto copySample = [&](const char* name) {
        QFile::remove(folder.Path(RiddleFile::FileName));
        ASSERT_TRUE(QFile::copy(QStringLiteral(QUORVANE_SOURCE_DIR "/tests/data/jet/") +
                                    QString::fromLatin1(name),
                                folder.Path(RiddleFile::FileName)));
    };
    copySample("riddles-jet4-program-password.mdb");
    auto form = Start();
    EXPECT_TRUE(messages.errors.isEmpty() && messages.messages.isEmpty());
    EXPECT_EQ(form->RiddleConnection()->State(), 1);

    copySample("pw-V2003_with-password.mdb");
    form = Start();
    ASSERT_EQ(messages.errors.size(), 1);
    EXPECT_TRUE(messages.errors[0].contains(u"quorvane-riddles import --password"_s));
    EXPECT_TRUE(messages.errors[0].contains(u"Form1.Form_Load at line 9"_s));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->RiddleConnection()->State(), 0);
}

TEST_F(StartUpTest, GoodFileOpensSilently) {
    MakeRiddleFile();
    const auto form = Start();
    EXPECT_TRUE(messages.errors.isEmpty() && messages.messages.isEmpty());
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->windowIcon().availableSizes().isEmpty());  // the icon's files were found
    EXPECT_EQ(form->RiddleConnection()->State(), 1);
}

TEST_F(StartUpTest, ButtonsOpenAWorkingWindowAndHideTheMainWindow) {
    MakeRiddleFile();
    const auto form = Start();
    int quizOpened = 0;
    form->SetWorkingWindows([&] { ++quizOpened; },
                            [] { throw std::runtime_error("browser failed to open"); });
    form->findChild<QPushButton*>(u"PushButton1"_s)->click();
    EXPECT_EQ(quizOpened, 1);
    EXPECT_FALSE(form->isVisible());

    form->show();
    form->findChild<QPushButton*>(u"PushButton2"_s)->click();
    ASSERT_EQ(messages.errors.size(), 1);
    EXPECT_TRUE(messages.errors[0].startsWith(
        u"browser failed to open\r\nin Lumivex2021/08/31.Form1.PushButton2_Click at line 1"_s));
    EXPECT_FALSE(form->isVisible());  // the handler went on with its next step

    form->show();
    form->close();
    EXPECT_EQ(process.ends, 1);
}

}  // namespace
