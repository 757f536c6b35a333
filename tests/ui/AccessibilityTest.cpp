// What our accessibility layer tells screen readers where Qt's own interfaces mislead them, read
// in-process as the desktop's bridge reads it; tests/accessibility/check-orca hears it from Orca.
#include "ui/Accessibility.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QAccessibleInterface* Interface(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

// A window of the controls our fixes are for, shown.
class AccessibilityTest : public testing::Test {
protected:
    AccessibilityTest() {
        auto* item = new QStandardItem(u"Tall when young"_s);
        item->setCheckable(true);
        model.setItem(0, 0, item);
        model.setItem(0, 1, new QStandardItem(u"candle"_s));
        list->setModel(&model);
        list->horizontalHeader()->setMinimumSectionSize(1);
        window.resize(400, 300);
        window.show();
        ReadWholeText(*riddle);
    }
    QAccessibleInterface* Cell(int column) {
        return Interface(list)->tableInterface()->cellAt(0, column);
    }

    FrameWindow window;
    QGroupBox* countFrame = new QGroupBox(u"Number Of Riddles To Display"_s, &window);
    QLineEdit* count = new QLineEdit(u"50"_s, countFrame);
    QGroupBox* scoreFrame = new QGroupBox(u"Score Option"_s, &window);
    QPlainTextEdit* riddle = new QPlainTextEdit(u"Tall when young,\nshort when old"_s, &window);
    QPushButton* button = new QPushButton(u"Guess"_s, &window);
    QStandardItemModel model{1, 2};
    QTableView* list = new QTableView(&window);
    Announcer* announcer = new Announcer(&window);
};

TEST_F(AccessibilityTest, LineEditsTextAttributesRunOverItsWholeText) {
    int start = -1;
    int end = -1;
    Interface(count)->textInterface()->attributes(1, &start, &end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 2);
}

TEST_F(AccessibilityTest, TickBoxsActionIsCalledToggleAndToggles) {
    QAccessibleActionInterface* actions = Cell(0)->actionInterface();
    EXPECT_EQ(actions->actionNames(), QStringList{u"toggle"_s});
    actions->doAction(actions->actionNames().value(0));
    EXPECT_TRUE(Cell(0)->state().checked);
}

TEST_F(AccessibilityTest, TickBoxIsLabelledByItsColumnsHeader) {
    EXPECT_EQ(Cell(0)->relations(QAccessible::Label).value(0).first->text(QAccessible::Name),
              u"1"_s);
}

TEST_F(AccessibilityTest, ColumnCollapsedToADividerHidesItsCells) {
    list->setColumnWidth(1, 1);
    EXPECT_EQ(Cell(0)->text(QAccessible::Name), u"Tall when young"_s);
    EXPECT_FALSE(Cell(0)->state().invisible);
    EXPECT_EQ(Cell(1)->text(QAccessible::Name), QString());
    EXPECT_TRUE(Cell(1)->state().invisible);
}

TEST_F(AccessibilityTest, FrameWhoseCaptionNamesTheBoxInsideIsUnnamedAndOthersKeepIt) {
    EXPECT_EQ(Interface(count)->text(QAccessible::Name), u"Number Of Riddles To Display"_s);
    EXPECT_EQ(Interface(countFrame)->text(QAccessible::Name), QString());
    EXPECT_EQ(Interface(scoreFrame)->text(QAccessible::Name), u"Score Option"_s);
}

TEST_F(AccessibilityTest, RiddleBoxReadsWholeWhereverItsCaretIs) {
    int start = 0;
    int end = 0;
    EXPECT_EQ(Interface(riddle)->textInterface()->textAtOffset(20, QAccessible::LineBoundary,
                                                               &start, &end),
              u"Tall when young,\nshort when old"_s);
}

TEST_F(AccessibilityTest, EnterPressesTheFocusedButton) {
    int presses = 0;
    QObject::connect(button, &QPushButton::clicked, [&presses] { ++presses; });
    for (QWidget* focused : {static_cast<QWidget*>(button), static_cast<QWidget*>(count)}) {
        focused->setFocus();  // the line edit's Enter is its own
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(focused, &enter);
    }
    EXPECT_EQ(presses, 1);
}

TEST_F(AccessibilityTest, AnnouncementIsANotificationInAStatusBar) {
    announcer->Announce(u"Hide Answers"_s);
    QAccessibleInterface* bar = Interface(announcer);
    EXPECT_EQ(bar->role(), QAccessible::StatusBar);
    EXPECT_EQ(bar->child(0)->role(), QAccessible::Notification);
    EXPECT_EQ(bar->child(0)->text(QAccessible::Name), u"Hide Answers"_s);
}

}  // namespace
