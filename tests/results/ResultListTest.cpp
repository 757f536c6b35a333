// The result list as a model, and the riddle text its rows show.
#include "results/ResultList.h"
#include "results/ResultListView.h"
#include "results/RiddleText.h"

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

TEST(RiddleTextTest, TwoBlanksBreakTheLine) {
    EXPECT_EQ(RiddleLines(u"A  B    C  "_s), u"A\r\nB\r\nC"_s);
    EXPECT_EQ(RiddleLines(u"   "_s), QString());
    EXPECT_EQ(RiddleLines(u"keeps\ttabs\nand breaks"_s), u"keeps\ttabs\nand breaks"_s);
    EXPECT_EQ(TrimBlanks(u" \tx\n "_s), u"\tx\n"_s);
}

TEST(ResultListTest, RowsAreNumberedFromOneAndNeverTickedByAdding) {
    ResultList list;
    QAbstractItemModelTester tester(&list, QAbstractItemModelTester::FailureReportingMode::Fatal);
    list.AddColumn(u"Riddles"_s);
    list.AddColumn(u"Answers"_s);
    for (const char* text : {"first", "second", "third"}) {
        list.AddRow(QString::fromLatin1(text));
    }
    list.SetSubItem(2, 1, u"answer two"_s);
    list.SetSubItem(3, 2, u"beyond the columns"_s);
    EXPECT_EQ(list.SubItem(1, 1), QString());
    EXPECT_EQ(list.SubItem(3, 1), QString());
    EXPECT_FALSE(list.Ticked(1) || list.Ticked(2) || list.Ticked(3));
    EXPECT_EQ(list.SubItemCount(3), 2);

    EXPECT_TRUE(list.setData(list.index(1, 0), Qt::Checked, Qt::CheckStateRole));
    EXPECT_TRUE(list.Ticked(2));
    list.RemoveRow(1);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Text(1), u"second"_s);
    EXPECT_TRUE(list.Ticked(1));
    EXPECT_EQ(list.data(list.index(0, 1), Qt::DisplayRole).toString(), u"answer two"_s);
    // One line per row on screen; the row keeps its line breaks.
    list.AddRow(u"one\r\ntwo\rthree\nfour\r\n\r\n"_s);
    list.SetSubItem(3, 1, u"\nanswer"_s);
    EXPECT_EQ(list.data(list.index(2, 0), Qt::DisplayRole).toString(), u"one two three four  "_s);
    EXPECT_EQ(list.data(list.index(2, 1), Qt::DisplayRole).toString(), u" answer"_s);
    EXPECT_EQ(list.Text(3), u"one\r\ntwo\rthree\nfour\r\n\r\n"_s);
    list.RemoveRow(3);
    list.SetAllTicked(true);
    EXPECT_TRUE(list.Ticked(2));
    EXPECT_THROW(list.RemoveRow(3), std::out_of_range);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.ColumnHeader(2), u"Answers"_s);
}

// A browser's list of `rows` riddles, "riddle 1" first, each with an answer.
void FillList(ResultList& list, int rows) {
    list.AddColumn(u"Riddles"_s);
    list.AddColumn(u"Answers"_s);
    for (int row = 1; row <= rows; ++row) {
        list.SetSubItem(list.AddRow(u"riddle %1"_s.arg(row)), 1, u"answer"_s);
    }
}

// The keys move between rows as in a list, and a click on any cell makes its row current:
// whichever moved last, Space ticks the current row.
TEST(ResultListViewTest, SpaceTicksTheRowAKeyOrAClickOnAnyCellMadeCurrent) {
    ResultList list;
    FillList(list, 5);
    ResultListView view(list, nullptr);
    view.show();
    view.SelectRow(2);
    const auto key = [&](Qt::Key key) {
        return [&view, key] {
            QTest::keyClick(&view, key);
        };
    };
    const auto clickAnswer = [&](int row) {
        return [&view, row] {
            const QRect cell = view.visualRect(view.model()->index(row - 1, 1));
            QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cell.center());
        };
    };
    const struct {
        const char* move;
        std::function<void()> act;
        int row;
    } moves[] = {
        {"Right", key(Qt::Key_Right), 2},
        {"End", key(Qt::Key_End), 5},
        {"Home", key(Qt::Key_Home), 1},
        {"Down", key(Qt::Key_Down), 2},
        {"click on an answer", clickAnswer(4), 4},
        {"Up after the click", key(Qt::Key_Up), 3},
    };
    for (const auto& move : moves) {
        move.act();
        EXPECT_EQ(view.SelectedRow(), move.row) << move.move;
        list.SetAllTicked(false);
        QTest::keyClick(&view, Qt::Key_Space);
        EXPECT_TRUE(list.Ticked(move.row)) << move.move;
    }
}

// The desktop's bridge to screen readers connects once the event loop runs.
bool WaitForScreenReaderBridge() {
    QElapsedTimer waited;
    waited.start();
    while (!QAccessible::isActive() && waited.elapsed() < 5000) {
        QGuiApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return QAccessible::isActive();
}

// What screen readers hear of ticks, in the order they came.
QStringList& Heard() {
    static QStringList heard;
    return heard;
}

// A tick by Space, by a click on the box (which leaves the current row where it was), or by "Tick
// All" and "Untick All" from the context menu reaches a screen reader as the state change of the
// row's first cell; a whole-list change is told for the current row only. Events flow only while
// a screen reader's bridge is active: tests/accessibility/with-bus runs this test with one.
TEST(ResultListViewTest, TicksAreAnnouncedAsTheStateChangeOfTheRowsFirstCell) {
    if (QGuiApplication::platformName() == u"offscreen"_s) {
        GTEST_SKIP() << "the offscreen platform has no accessibility bridge; the test "
                        "accessibility_events runs this one on a desktop with an accessibility bus";
    }
    ASSERT_TRUE(WaitForScreenReaderBridge()) << "the accessibility bridge never came up";
    ResultList list;
    FillList(list, 3);
    ResultListView view(list, nullptr);
    view.show();
    const auto previous = QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        if (event->type() == QAccessible::StateChanged &&
            static_cast<QAccessibleStateChangeEvent*>(event)->changedStates().checked) {
            const QAccessibleInterface* cell = event->accessibleInterface();
            Heard().append(cell->text(QAccessible::Name) +
                           (cell->state().checked ? u" checked"_s : u" unchecked"_s));
        }
    });
    view.SelectRow(2);
    QTest::keyClick(&view, Qt::Key_Space);
    const QRect third = view.visualRect(list.index(2, 0));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, {third.left() + 8, third.center().y()});
    list.SetAllTicked(false);
    list.SetAllTicked(true);
    QAccessible::installUpdateHandler(previous);
    EXPECT_EQ(Heard(), (QStringList{u"riddle 2 checked"_s, u"riddle 3 checked"_s,
                                    u"riddle 2 unchecked"_s, u"riddle 2 checked"_s}));
}

}  // namespace
