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

#include <functional>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QAccessibleInterface* Interface(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

struct Controls {
    FrameWindow window;
    QGroupBox* countFrame = new QGroupBox(u"Number Of Riddles To Display"_s, &window);
    QLineEdit* count = new QLineEdit(u"50"_s, countFrame);
    QGroupBox* scoreFrame = new QGroupBox(u"Score Option"_s, &window);
    QPlainTextEdit* riddle = new QPlainTextEdit(u"Tall when young,\nshort when old"_s, &window);
    QPushButton* button = new QPushButton(u"Guess"_s, &window);
    QStandardItemModel model{1, 2};
    QTableView* list = new QTableView(&window);
    Announcer* announcer = new Announcer(&window);

    Controls() {
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
};

struct Case {
    const char* name;
    std::function<QString(Controls&)> observe;
    QString expected;
};

TEST(AccessibilityTest, ScreenReadersAreToldWhatQtWouldMisstate) {
    const Case cases[] = {
        {"a line edit's text attributes run over its whole text",
         [](Controls& c) {
             int start = -1;
             int end = -1;
             Interface(c.count)->textInterface()->attributes(1, &start, &end);
             return u"%1-%2"_s.arg(start).arg(end);
         },
         u"0-2"_s},
        {"a tick box's action is called toggle, and toggles",
         [](Controls& c) {
             QAccessibleActionInterface* actions = c.Cell(0)->actionInterface();
             actions->doAction(actions->actionNames().value(0));
             return actions->actionNames().join(u',') +
                    (c.Cell(0)->state().checked ? u" on"_s : u" off"_s);
         },
         u"toggle on"_s},
        {"a tick box is labelled by its column's header",
         [](Controls& c) {
             return c.Cell(0)
                 ->relations(QAccessible::Label)
                 .value(0)
                 .first->text(QAccessible::Name);
         },
         u"1"_s},
        {"a column collapsed to a divider hides its cells",
         [](Controls& c) {
             c.list->setColumnWidth(1, 1);
             const auto shown = [&c](int column) {
                 return c.Cell(column)->text(QAccessible::Name) +
                        (c.Cell(column)->state().invisible ? u" hidden"_s : u" shown"_s);
             };
             return shown(0) + u", "_s + shown(1);
         },
         u"Tall when young shown,  hidden"_s},
        {"a frame whose caption names the box inside is unnamed; others keep it",
         [](Controls& c) {
             return Interface(c.count)->text(QAccessible::Name) + u"|"_s +
                    Interface(c.countFrame)->text(QAccessible::Name) + u"|"_s +
                    Interface(c.scoreFrame)->text(QAccessible::Name);
         },
         u"Number Of Riddles To Display||Score Option"_s},
        {"the riddle box reads whole wherever its caret is",
         [](Controls& c) {
             int start = 0;
             int end = 0;
             return Interface(c.riddle)->textInterface()->textAtOffset(
                 20, QAccessible::LineBoundary, &start, &end);
         },
         u"Tall when young,\nshort when old"_s},
        {"Enter presses the focused button",
         [](Controls& c) {
             int presses = 0;
             QObject::connect(c.button, &QPushButton::clicked, [&presses] { ++presses; });
             for (QWidget* focused :
                  {static_cast<QWidget*>(c.button), static_cast<QWidget*>(c.count)}) {
                 focused->setFocus();  // the line edit's Enter is its own
                 QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
                 QApplication::sendEvent(focused, &enter);
             }
             return QString::number(presses);
         },
         u"1"_s},
        {"an announcement is a notification in a status bar",
         [](Controls& c) {
             c.announcer->Announce(u"Hide Answers"_s);
             QAccessibleInterface* bar = Interface(c.announcer);
             QAccessibleInterface* notice = bar->child(0);
             return u"%1 %2 %3"_s.arg(bar->role() == QAccessible::StatusBar)
                 .arg(notice->role() == QAccessible::Notification)
                 .arg(notice->text(QAccessible::Name));
         },
         u"1 1 Hide Answers"_s},
    };
    for (const Case& row : cases) {
        Controls controls;
        EXPECT_EQ(row.observe(controls), row.expected) << row.name;
    }
}

}  // namespace
