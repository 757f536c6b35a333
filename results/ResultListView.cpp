// The list view both working windows show their result list in.
#include "results/ResultListView.h"

#include "results/ResultList.h"
#include "ui/WindowFonts.h"
#include "ui/WindowLayout.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>

#include <algorithm>

namespace {

const QString ListTip = QStringLiteral(
    "Double-click item to remove it. Move | line to right and out of window to reveal full names.");

}  // namespace

ResultListView::ResultListView(ResultList& list, QWidget* parent)
    : QTableView(parent), list_(list) {
    setModel(&list_);
    setFont(ArialBold(WindowPoints));
    setToolTip(ListTip);
    // A table rather than a tree: a tree keeps about 40 bytes per row for its layout, as much
    // as a riddle's text costs again in a list of a million, where a table keeps 8.
    setShowGrid(false);
    setWordWrap(false);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height());
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setMinimumSectionSize(1);

    connect(&list_, &ResultList::ColumnWidthChanged, this, &ResultListView::ApplyColumnWidth);
    connect(&list_, &QAbstractItemModel::columnsInserted, this,
            [this](const QModelIndex&, int first, int last) {
                for (int column = first + 1; column <= last + 1; ++column) {
                    ApplyColumnWidth(column);
                }
            });
    connect(&list_, &QAbstractItemModel::dataChanged, this, &ResultListView::AnnounceTicks);
}

int ResultListView::SelectedRow() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : rows.front().row() + 1;
}

void ResultListView::SelectRow(int row) {
    const QModelIndex index = model()->index(row - 1, 0);
    setCurrentIndex(index);
    selectionModel()->select(index,
                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

// The keys move between rows as in a list, never between a row's cells: Home and End go to the
// first and last row, and Left and Right scroll.
QModelIndex ResultListView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    QScrollBar* across = horizontalScrollBar();
    switch (action) {
        case MoveHome:
            return model()->index(0, 0);
        case MoveEnd:
            return model()->index(model()->rowCount() - 1, 0);
        case MoveLeft:
            across->triggerAction(QAbstractSlider::SliderSingleStepSub);
            return currentIndex();
        case MoveRight:
            across->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            return currentIndex();
        default:
            return QTableView::moveCursor(action, modifiers);
    }
}

// The current cell is always a row's first, the one with the tick box, so that Space ticks the
// current row however it became current: by a key, or by a click on any of its cells.
void ResultListView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (current.column() > 0) {
        selectionModel()->setCurrentIndex(current.siblingAtColumn(0),
                                          QItemSelectionModel::NoUpdate);
        return;
    }
    QTableView::currentChanged(current, previous);
}

void ResultListView::keyPressEvent(QKeyEvent* event) {
    const int before = currentIndex().row();
    QTableView::keyPressEvent(event);
    if (currentIndex().isValid() && currentIndex().row() != before) {
        Q_EMIT RowChosenByKey();
    }
}

// A screen reader hears a tick as the state change of the row's first cell. Ticking or unticking
// the whole list announces the current row, the one the user is on, not every row.
void ResultListView::AnnounceTicks(const QModelIndex& first, const QModelIndex& last,
                                   const QList<int>& roles) {
    if (!QAccessible::isActive() || !roles.contains(Qt::CheckStateRole)) {
        return;
    }
    if (first.row() == last.row()) {
        AnnounceTick(first.row());
    } else if (const int current = currentIndex().row();
               current >= first.row() && current <= last.row()) {
        AnnounceTick(current);
    }
}

void ResultListView::AnnounceTick(int row) {
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    event.setChild(AccessibleIndex(row));
    QAccessible::updateAccessibility(&event);
}

int ResultListView::AccessibleIndex(int row) {
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(this);
    return table->indexOfChild(table->tableInterface()->cellAt(row, 0));
}

// Qt tells screen readers of the current row as the list takes the focus, and of the list itself
// only after that, so they read the list and never the row the user is on: the first Down then
// seems to skip a row, and a list of one row is never heard. The row is told again afterwards.
void ResultListView::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    QMetaObject::invokeMethod(this, &ResultListView::AnnounceCurrentRow, Qt::QueuedConnection);
}

void ResultListView::AnnounceCurrentRow() {
    if (!QAccessible::isActive() || !hasFocus() || !currentIndex().isValid()) {
        return;
    }
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(AccessibleIndex(currentIndex().row()));
    QAccessible::updateAccessibility(&event);
}

void ResultListView::ApplyColumnWidth(int column) {
    // At least one pixel, so that a collapsed column keeps a divider the user can drag open.
    horizontalHeader()->resizeSection(column - 1,
                                      std::max(1, Twips(*this, list_.ColumnWidth(column))));
}

void ResultListView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* first =
        menu.addAction(QStringLiteral("Tick All"), this, [this] { list_.SetAllTicked(true); });
    menu.addAction(QStringLiteral("Untick All"), this, [this] { list_.SetAllTicked(false); });
    if (event->reason() == QContextMenuEvent::Keyboard) {
        // A menu opened by a key starts on its first item, which screen readers then read; with
        // no item chosen they say nothing of the menu at all.
        QMetaObject::invokeMethod(
            &menu, [&menu, first] { menu.setActiveAction(first); }, Qt::QueuedConnection);
    }
    menu.exec(event->globalPos());
}
