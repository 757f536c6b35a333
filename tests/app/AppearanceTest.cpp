// Skins, theme colours, the hand pointer as the windows load it, and what screen readers are told
// of the main window.
#include "app/Form1.h"
#include "browser/Form3.h"
#include "quiz/Form2.h"
#include "quiz/RandomSource.h"
#include "tests/support/AccessibleTree.h"
#include "tests/support/MouseMoves.h"
#include "tests/support/WindowFixture.h"
#include "ui/SkinFramework.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

class AppearanceTest : public WindowFixture {
protected:
    AppearanceTest() { OpenRiddles(NumberedRiddles(3)); }
    std::unique_ptr<Form1> StartMain() {
        auto form = std::make_unique<Form1>(
            Form1::Services{fake.messages, process, Files(folder.Folder())});
        form->Start();
        return form;
    }
    void WriteSkin(const QByteArray& sheet) {
        QDir(folder.Folder()).mkpath(u"x"_s);
        folder.WriteBytes(u"x/o.cjs"_s, sheet);
    }

    FakeProcess process;
    FixedRandom random{0};
};

TEST_F(AppearanceTest, SkinIsAppliedWhenPresentAndABrokenOneIsReportedOnce) {
    auto form = StartMain();
    EXPECT_TRUE(form->styleSheet().isEmpty());
    EXPECT_FALSE(form->autoFillBackground());

    WriteSkin(ReadFile(QStringLiteral(QUORVANE_SOURCE_DIR "/data/skin/o.cjs")));
    form = StartMain();
    EXPECT_TRUE(form->styleSheet().contains(u"QWidget#Form1"_s));
    WriteSkin("QPushButton { color: #123456; }");  // a skin that leaves the surface alone
    form = StartMain();
    EXPECT_EQ(form->palette().color(QPalette::Window),
              QApplication::palette().color(QPalette::Button));
    EXPECT_TRUE(fake.messages.errors.isEmpty());

    WriteSkin("QWidget#Form1 { background: red;");
    form = StartMain();
    EXPECT_EQ(fake.messages.Places(), QStringList{u"Form1.Form_Load at line 1"_s});
}

// Each working window reports a cursor file it cannot read once, as it opens, and goes on: it
// takes the theme's colour all the same, save for the browser's panels, which stay white.
TEST_F(AppearanceTest, WorkingWindowsTakeTheThemeColourAndReportAnUnreadableCursorOnce) {
    folder.WriteBytes(u"HAND-M.CUR"_s, "not a cursor");
    const QPalette original = QApplication::palette();
    QPalette dark = original;
    dark.setColor(QPalette::Button, QColor(40, 44, 52));
    QApplication::setPalette(dark);
    Form3 browser(Services());
    browser.Form_Load();
    Form2 quiz(Services(), random);
    quiz.Form_Load();
    QApplication::setPalette(original);

    EXPECT_EQ(fake.messages.Places(),
              (QStringList{u"Form3.Form_Load at line 2"_s, u"Form2.Form_Load at line 2"_s}));
    EXPECT_EQ(browser.palette().color(QPalette::Window), QColor(40, 44, 52));
    EXPECT_EQ(Control<QLabel>(browser, "Label2")->palette().color(QPalette::Window),
              QColor(Qt::white));
    EXPECT_EQ(Control<QCheckBox>(quiz, "Check1")->palette().color(QPalette::Window),
              QColor(40, 44, 52));
    EXPECT_FALSE(browser.windowIcon().availableSizes().isEmpty());
    EXPECT_FALSE(quiz.windowIcon().availableSizes().isEmpty());
    MoveMouseOver(*Control<QPushButton>(quiz, "PushButton1"));
    EXPECT_EQ(quiz.cursor().shape(), Qt::ArrowCursor);  // no picture: the hand is the arrow
}

TEST_F(AppearanceTest, PointerOrSkinThatIsNoSmallPlainFileIsReportedWithoutWaiting) {
    const QString cursor = folder.Path(u"HAND-M.CUR"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(cursor).constData(), 0600), 0);  // no one writes to it
    auto form = StartMain();
    ASSERT_EQ(fake.messages.Places(), QStringList{u"Form1.Form_Load at line 4"_s});
    EXPECT_TRUE(fake.messages.errors[0].contains(u"not a regular file"_s));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->RiddleConnection()->State(), 1);  // the rest of the start-up ran

    // Files just past the limit, holding no data on disk.
    ASSERT_TRUE(QFile::remove(cursor));
    WriteSkin("QLabel { }");
    for (const QString& name : {cursor, folder.Path(u"x/o.cjs"_s)}) {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(SmallFileLimit + 1));
    }
    fake.messages.ClearReports();
    form = StartMain();
    ASSERT_EQ(fake.messages.Places(),
              (QStringList{u"Form1.Form_Load at line 1"_s, u"Form1.Form_Load at line 4"_s}));
    EXPECT_TRUE(fake.messages.errors[0].contains(u"larger than"_s));
}

// All three windows carry one caption; a screen reader tells the main window by its name.
TEST_F(AppearanceTest, ScreenReadersTellTheMainWindowByNameAndMeetItsButtons) {
    const auto form = StartMain();
    EXPECT_EQ(AccessibleControls(*form),
              (QStringList{u"Window 'Quorvane Software: main window' - Opens the quiz or the "
                           u"riddle browser."_s,
                           u"Button 'Answer Riddles One At A Time' focusable"_s,
                           u"Button 'Show Quorvane' focusable"_s}));
    EXPECT_EQ(form->windowTitle(), u"Quorvane Software"_s);  // the caption stays
}

}  // namespace
