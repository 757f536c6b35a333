// Skins, theme colours, the hand pointer as the windows load it, and what screen readers are told
// of the main window.
#include "app/Form1.h"
#include "browser/Form3.h"
#include "quiz/Form2.h"
#include "quiz/RandomSource.h"
#include "tests/support/AccessibleTree.h"
#include "tests/support/MouseMoves.h"
#include "tests/support/SpecialFiles.h"
#include "tests/support/WindowFixture.h"
#include "ui/SkinFramework.h"
#include "ui/WindowAppearance.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

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

    WriteSkin(ReadFile(SourceFile(u"data/skin/o.cjs"_s)));
    form = StartMain();
    EXPECT_TRUE(form->styleSheet().contains(u"QWidget#Form1"_s));
    WriteSkin("QPushButton { color: #123456; }");  // a skin that leaves the surface alone
    form = StartMain();
    EXPECT_EQ(form->palette().color(QPalette::Window),
              QApplication::palette().color(QPalette::Button));
    EXPECT_TRUE(fake.messages.errors.isEmpty());

    WriteSkin("QWidget#Form1 { background: red;");
    form = StartMain();
    EXPECT_EQ(fake.messages.places, QStringList{u"Form1.Form_Load at line 1"_s});
}

// Each working window reports a cursor file it cannot read once, as it opens, and goes on; with no
// picture the hand is the arrow. Their theme colours are checked with every text's below.
TEST_F(AppearanceTest, WorkingWindowsReportAnUnreadableCursorOnceAndGoOn) {
    folder.WriteBytes(u"HAND-M.CUR"_s, "not a cursor");
    Form3 browser(Services());
    browser.Form_Load();
    Form2 quiz(Services(), random);
    quiz.Form_Load();
    EXPECT_EQ(fake.messages.places,
              (QStringList{u"Form3.Form_Load at line 2"_s, u"Form2.Form_Load at line 2"_s}));
    EXPECT_FALSE(browser.windowIcon().availableSizes().isEmpty());
    EXPECT_FALSE(quiz.windowIcon().availableSizes().isEmpty());
    MoveMouseOver(*Control<QPushButton>(quiz, "PushButton1"));
    EXPECT_EQ(quiz.cursor().shape(), Qt::ArrowCursor);
}

// Every enabled text reads on what it is drawn over (4.5:1, as accessibility guidelines ask of
// body text) under a light and a dark theme, also once the theme changes while the windows are
// open: the surfaces then take the new button colour, and the browser's panels stay white.
TEST_F(AppearanceTest, EveryTextReadsUnderLightAndDarkThemesAndFollowsAThemeChange) {
    EXPECT_NEAR(ContrastRatio(QColor(0x76, 0x76, 0x76), Qt::white), 4.54, 0.01);
    const QPalette light = QApplication::palette();
    const QPalette dark(QColor(60, 63, 65), QColor(43, 43, 43));  // light text, as dark themes
    const struct {
        const char* name;
        QPalette opening, shown;
    } rows[] = {{"light", light, light},
                {"dark", dark, dark},
                {"light, then dark while open", light, dark},
                {"dark, then light while open", dark, light}};
    WriteSkin(ReadFile(SourceFile(u"data/skin/o.cjs"_s)));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QApplication::setPalette(row.opening);
        const auto main = StartMain();
        Form3 browser(Services());
        browser.Form_Load();
        Form2 quiz(Services(), random);
        quiz.Form_Load();
        browser.show();
        quiz.show();
        QApplication::setPalette(row.shown);
        QApplication::processEvents();  // the windows hear of a new palette through their queue
        for (const QWidget* window : QWidgetList{main.get(), &browser, &quiz}) {
            for (const QWidget* widget : window->findChildren<QWidget*>()) {
                const QWidget* surface = widget;  // what the widget's text is drawn over
                while (!surface->isWindow() && !surface->autoFillBackground() &&
                       surface->backgroundRole() == QPalette::Window) {
                    surface = surface->parentWidget();
                }
                const QBrush back = surface->palette().brush(surface->backgroundRole());
                const QGradientStops stops =  // a skin's gradient: each of its stops
                    back.gradient() ? back.gradient()->stops() : QGradientStops{{0, back.color()}};
                for (const QGradientStop& stop : stops) {  // disabled text may be faint
                    EXPECT_TRUE(!widget->isVisibleTo(window) || !widget->isEnabled() ||
                                ContrastRatio(widget->palette().color(widget->foregroundRole()),
                                              stop.second) >= 4.5)
                        << qPrintable(widget->objectName());
                }
            }
        }
        EXPECT_EQ(browser.palette().color(QPalette::Window), row.shown.color(QPalette::Button));
        EXPECT_EQ(Control<QLabel>(browser, "Label2")->palette().color(QPalette::Window),
                  QColor(Qt::white));
        EXPECT_EQ(Control<QCheckBox>(quiz, "Check1")->palette().color(QPalette::Window),
                  row.shown.color(QPalette::Button));
    }
    QApplication::setPalette(light);
}

// A FIFO no one writes to would block a plain read.
TEST_F(AppearanceTest, PointerThatIsAFifoIsReportedWithoutWaiting) {
    if (const QString why = MakeFifo(folder.Path(u"HAND-M.CUR"_s)); !why.isEmpty()) {
        GTEST_SKIP() << why.toStdString();
    }
    const auto form = StartMain();
    ASSERT_EQ(fake.messages.places, QStringList{u"Form1.Form_Load at line 4"_s});
    EXPECT_TRUE(fake.messages.errors[0].contains(u"not a regular file"_s));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->RiddleConnection()->State(), 1);  // the rest of the start-up ran
}

// Files just past the limit, holding no data on disk.
TEST_F(AppearanceTest, PointerOrSkinLargerThanTheLimitIsReported) {
    WriteSkin("QLabel { }");
    for (const QString& name : {folder.Path(u"HAND-M.CUR"_s), folder.Path(u"x/o.cjs"_s)}) {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(SmallFileLimit + 1));
    }
    const auto form = StartMain();
    ASSERT_EQ(fake.messages.places,
              (QStringList{u"Form1.Form_Load at line 1"_s, u"Form1.Form_Load at line 4"_s}));
    EXPECT_TRUE(fake.messages.errors[0].contains(u"larger than"_s));
}

// All three windows carry one caption; a screen reader tells the main window by its name.
TEST_F(AppearanceTest, ScreenReadersTellTheMainWindowByNameAndMeetItsButtons) {
    const auto form = StartMain();
    EXPECT_EQ(AccessibleControls(*form),
              (QStringList{u"Window 'Quorvane Software: main window' described"_s,
                           u"Button 'Answer Riddles One At A Time' focusable"_s,
                           u"Button 'Show Quorvane' focusable"_s}));
    EXPECT_EQ(form->windowTitle(), u"Quorvane Software"_s);  // the caption stays
}

}  // namespace
