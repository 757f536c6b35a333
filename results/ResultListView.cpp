// The list view both working windows show their result list in.
#include "results/ResultListView.h"

#include "results/ResultList.h"
#include "ui/WindowFonts.h"
#include "ui/WindowLayout.h"

#include <QHeaderView>
#include <QMenu>

#include <algorithm>

namespace {

const QString ListTip = QStringLiteral(
    "Double-click item to remove it. Move | line to right and out of window to reveal full names.");

}  // namespace

ResultListView::ResultListView(ResultList& list, QWidget* parent) : QTreeView(parent), list_(list) {
    setModel(&list_);
    setFont(ArialBold(WindowPoints));
    setToolTip(ListTip);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    header()->setSectionResizeMode(QHeaderView::Interactive);
    header()->setMinimumSectionSize(1);

    connect(&list_, &ResultList::ColumnWidthChanged, this, &ResultListView::ApplyColumnWidth);
    connect(&list_, &QAbstractItemModel::columnsInserted, this,
            [this](const QModelIndex&, int first, int last) {
                for (int column = first + 1; column <= last + 1; ++column) {
                    ApplyColumnWidth(column);
                }
            });
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, &ResultListView::ShowContextMenu);
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

void ResultListView::ApplyColumnWidth(int column) {
    // At least one pixel, so that a collapsed column keeps a divider the user can drag open.
    header()->resizeSection(column - 1, std::max(1, Twips(*this, list_.ColumnWidth(column))));
}

void ResultListView::ShowContextMenu(const QPoint& at) {
    QMenu menu(this);
    menu.addAction(QStringLiteral("Tick All"), this, [this] { list_.SetAllTicked(true); });
    menu.addAction(QStringLiteral("Untick All"), this, [this] { list_.SetAllTicked(false); });
    menu.exec(viewport()->mapToGlobal(at));
}
