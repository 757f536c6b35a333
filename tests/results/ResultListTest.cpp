// The result list as a model, checked against the rules of Qt's item models at every change, and
// on screen, where Space ticks the current row and screen readers hear of every tick; and the
// riddle text its rows show.
#include "results/ResultList.h"
#include "results/ResultListView.h"
#include "results/RiddleText.h"

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

// A browser's list of five riddles, "riddle 1" first, each with its answer, on screen.
class ResultListTest : public testing::Test {
protected:
    ResultListTest() {
        list.AddColumn(u"Riddles"_s);
        list.AddColumn(u"Answers"_s);
        for (int row = 1; row <= 5; ++row) {
            list.SetSubItem(list.AddRow(u"riddle %1"_s.arg(row)), 1, u"answer %1"_s.arg(row));
        }
        view.show();
    }
    QString Shown(int row, int column) const {
        return list.data(list.index(row - 1, column), Qt::DisplayRole).toString();
    }

    ResultList list;
    QAbstractItemModelTester tester{&list, QAbstractItemModelTester::FailureReportingMode::Fatal};
    ResultListView view{list, nullptr};
};

TEST_F(ResultListTest, RowsAreAddedUntickedAndKeepSubItemsPastTheColumns) {
    const int row = list.AddRow(u"riddle 6"_s);
    EXPECT_EQ(row, 6);
    list.SetSubItem(row, 2, u"beyond the columns"_s);
    EXPECT_EQ(list.SubItem(row, 1), QString());
    EXPECT_EQ(list.SubItemCount(row), 2);
    for (int ticked = 1; ticked <= row; ++ticked) {
        EXPECT_FALSE(list.Ticked(ticked)) << ticked;
    }
}

TEST_F(ResultListTest, RemovingARowMovesTheNextUpWithItsTickAndAnswer) {
    EXPECT_TRUE(list.setData(list.index(1, 0), Qt::Checked, Qt::CheckStateRole));
    EXPECT_TRUE(list.Ticked(2));
    list.RemoveRow(1);
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Text(1), u"riddle 2"_s);
    EXPECT_TRUE(list.Ticked(1));
    EXPECT_EQ(Shown(1, 1), u"answer 2"_s);
    EXPECT_THROW(list.RemoveRow(5), std::out_of_range);
}

// One line per row on screen; the row keeps its line breaks.
TEST_F(ResultListTest, ScreenShowsEachCellOnOneLine) {
    list.SetSubItem(list.AddRow(u"one\r\ntwo\rthree\nfour\r\n\r\n"_s), 1, u"\nanswer"_s);
    EXPECT_EQ(Shown(6, 0), u"one two three four  "_s);
    EXPECT_EQ(Shown(6, 1), u" answer"_s);
    EXPECT_EQ(list.Text(6), u"one\r\ntwo\rthree\nfour\r\n\r\n"_s);
}

TEST_F(ResultListTest, TickingAllReachesEveryRowAndClearingKeepsTheColumns) {
    list.SetAllTicked(true);
    for (int row = 1; row <= 5; ++row) {
        EXPECT_TRUE(list.Ticked(row)) << row;
    }
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.ColumnHeader(2), u"Answers"_s);
}

TEST_F(ResultListTest, TwoBlanksBreakARiddlesLine) {
    EXPECT_EQ(RiddleLines(u"A  B    C  "_s), u"A\r\nB\r\nC"_s);
    EXPECT_EQ(RiddleLines(u"   "_s), QString());
    EXPECT_EQ(RiddleLines(u"keeps\ttabs\nand breaks"_s), u"keeps\ttabs\nand breaks"_s);
    EXPECT_EQ(TrimBlanks(u" \tx\n "_s), u"\tx\n"_s);
}

// The keys move between rows as in a list, and a click on any cell makes its row current:
// whichever moved last, Space ticks the current row.
TEST_F(ResultListTest, SpaceTicksTheRowAKeyOrAClickOnAnyCellMadeCurrent) {
    view.SelectRow(2);
    const struct {
        Qt::Key key;  // none: a click on the row's answer
        int row;
    } moves[] = {{Qt::Key_Right, 2}, {Qt::Key_End, 5},     {Qt::Key_Home, 1},
                 {Qt::Key_Down, 2},  {Qt::Key_unknown, 4}, {Qt::Key_Up, 3}};
    for (const auto& move : moves) {
        SCOPED_TRACE(testing::Message() << "key " << move.key << " to row " << move.row);
        if (move.key == Qt::Key_unknown) {
            const QRect cell = view.visualRect(list.index(move.row - 1, 1));
            QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cell.center());
        } else {
            QTest::keyClick(&view, move.key);
        }
        EXPECT_EQ(view.SelectedRow(), move.row);
        list.SetAllTicked(false);
        QTest::keyClick(&view, Qt::Key_Space);
        EXPECT_TRUE(list.Ticked(move.row));
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
TEST_F(ResultListTest, TicksAreAnnouncedAsTheStateChangeOfTheRowsFirstCell) {
    if (QGuiApplication::platformName() == u"offscreen"_s) {
        GTEST_SKIP() << "the offscreen platform has no accessibility bridge; the test "
                        "accessibility_events runs this one on a desktop with an accessibility bus";
    }
    ASSERT_TRUE(WaitForScreenReaderBridge()) << "the accessibility bridge never came up";
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
