// The window pointer and its rules, on a bare window with a button and a control without a rule.
#include "kit/Files.h"
#include "tests/support/MouseMoves.h"
#include "tests/support/RiddleFiles.h"
#include "ui/WindowPointer.h"

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(WindowPointerTest, RulesGiveTheHandOnButtonsTheArrowElsewhereAndLeaveBusyAlone) {
    TestFolder folder;
    folder.WriteBytes(u"HAND-M.CUR"_s, ReadFile(SourceFile(u"data/HAND-M.CUR"_s)));
    QWidget window;
    window.resize(200, 100);
    auto* button = new QPushButton(u"Guess"_s, &window);
    button->setGeometry(10, 10, 80, 30);
    auto* check = new QCheckBox(u"Keep score"_s, &window);  // no rule of its own
    check->setGeometry(10, 50, 80, 20);
    WindowPointer pointer(window);
    LoadHandCursor(Files(folder.Folder()), pointer);
    UsePointerRules(pointer, {&window}, {button});

    MoveMouseOver(*button);
    EXPECT_EQ(pointer.MousePointer(), Pointer::Custom);
    EXPECT_EQ(window.cursor().hotSpot(), QPoint(10, 0));  // the shipped hand, fingertip first
    MoveMouseOver(*check);
    EXPECT_EQ(pointer.MousePointer(), Pointer::Custom);  // left as the last rule set it
    MoveMouseOver(window, {1, 1});
    EXPECT_EQ(pointer.MousePointer(), Pointer::Default);

    pointer.SetMousePointer(Pointer::Busy);
    MoveMouseOver(*button);
    MoveMouseOver(window, {1, 1});
    EXPECT_EQ(pointer.MousePointer(), Pointer::Busy);
}

// On a screen of twice the density the hand has twice the pixels, each pixel of the file a square
// of four, and shows at the size it has at scale 1. The hotspot is given in pixels, as on X11.
TEST(WindowPointerTest, TheHandAtScaleTwoHasEachPixelDoubled) {
    const QString path = SourceFile(u"data/HAND-M.CUR"_s);
    const QImage drawn = LoadCursorFile(path).pixmap().toImage();
    const QCursor hand = LoadCursorFile(path, 2);
    const QImage doubled = hand.pixmap().toImage();
    ASSERT_EQ(drawn.size(), QSize(32, 32));
    ASSERT_EQ(doubled.size(), QSize(64, 64));
    EXPECT_EQ(hand.pixmap().deviceIndependentSize(), QSizeF(32, 32));
    EXPECT_EQ(hand.hotSpot(), QPoint(20, 0));
    int differing = 0;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            differing += doubled.pixel(x, y) != drawn.pixel(x / 2, y / 2);
        }
    }
    EXPECT_EQ(differing, 0);
}

}  // namespace
