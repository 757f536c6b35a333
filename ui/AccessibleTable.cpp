// Cells and headers of a table view for screen readers. A cell lives as long as the model keeps
// its rows where they are: any change of rows forgets them all, and they are made again on demand.
#include "ui/AccessibleTable.h"

#include <QHeaderView>
#include <QPointer>
#include <QTableView>

namespace {

const QString Toggle = QStringLiteral("toggle");

// A column the user cannot see, hidden or narrowed to a divider, hides its cells from screen
// readers too: collapsing the answers column must keep the answers unspoken.
bool Collapsed(const QTableView& view, int column) {
    return view.isColumnHidden(column) || view.columnWidth(column) <= 1;
}

QAccessibleInterface* TableOf(QTableView* view) {
    return QAccessible::queryAccessibleInterface(view);
}

// What cells and headers have alike: they belong to the view's table and hold nothing.
class TablePart : public QAccessibleInterface {
public:
    explicit TablePart(QTableView* view) : view_(view) {}

    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override { return TableOf(view_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QObject* View() const { return view_; }

protected:
    QPointer<QTableView> view_;
};

class TableCell final : public TablePart,
                        public QAccessibleTableCellInterface,
                        public QAccessibleActionInterface {
public:
    TableCell(QTableView* view, int row, int column)
        : TablePart(view), row_(row), column_(column) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface) {
            return static_cast<QAccessibleTableCellInterface*>(this);
        }
        if (type == QAccessible::ActionInterface && Checkable()) {
            return static_cast<QAccessibleActionInterface*>(this);
        }
        return nullptr;
    }
    bool isValid() const override { return view_ && Index().isValid(); }
    QAccessible::Role role() const override { return QAccessible::Cell; }

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name || !isValid() || Collapsed(*view_, column_)) {
            return {};
        }
        const QVariant spoken = Index().data(Qt::AccessibleTextRole);
        return spoken.isValid() ? spoken.toString() : Index().data(Qt::DisplayRole).toString();
    }
    QRect rect() const override {
        if (!isValid()) {
            return {};
        }
        const QRect area = view_->visualRect(Index());
        return area.translated(view_->viewport()->mapToGlobal(QPoint(0, 0)));
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const QModelIndex index = Index();
        state.focusable = true;
        state.selectable = true;
        state.focused = view_->hasFocus() && view_->currentIndex() == index;
        state.selected = view_->selectionModel()->isSelected(index);
        state.invisible = Collapsed(*view_, column_) ||
                          !view_->visualRect(index).intersects(view_->viewport()->rect());
        state.offscreen = state.invisible;
        if (Checkable()) {
            state.checkable = true;
            state.checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
        }
        return state;
    }

    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    bool isSelected() const override { return isValid() && state().selected; }
    QAccessibleInterface* table() const override { return TableOf(view_); }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        auto* table = static_cast<AccessibleTable*>(TableOf(view_));
        return {table->ColumnHeader(column_)};
    }

    // A tick box is labelled by its column's header, so that a screen reader names the box by
    // the column and reads the row's text once, after it, rather than the text twice.
    QList<std::pair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        if (!Checkable() || !match.testFlag(QAccessible::Label)) {
            return {};
        }
        auto* table = static_cast<AccessibleTable*>(TableOf(view_));
        return {{table->ColumnHeader(column_), QAccessible::Label}};
    }

    QStringList actionNames() const override { return {Toggle}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& action) override {
        if (action == Toggle && isValid()) {
            const bool checked = Index().data(Qt::CheckStateRole).toInt() == Qt::Checked;
            view_->model()->setData(Index(), checked ? Qt::Unchecked : Qt::Checked,
                                    Qt::CheckStateRole);
        }
    }

private:
    QModelIndex Index() const {
        return view_ ? view_->model()->index(row_, column_, view_->rootIndex()) : QModelIndex();
    }
    bool Checkable() const {
        return isValid() && Index().flags().testFlag(Qt::ItemIsUserCheckable);
    }

    int row_;
    int column_;
};

class HeaderCell final : public TablePart {
public:
    HeaderCell(QTableView* view, Qt::Orientation orientation, int section)
        : TablePart(view), orientation_(orientation), section_(section) {}

    bool isValid() const override { return view_ != nullptr; }
    QAccessible::Role role() const override {
        return orientation_ == Qt::Horizontal ? QAccessible::ColumnHeader : QAccessible::RowHeader;
    }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name && view_
                   ? view_->model()->headerData(section_, orientation_).toString()
                   : QString();
    }
    QRect rect() const override {
        const QHeaderView* header = Header();
        if (header == nullptr || !header->isVisible()) {
            return {};
        }
        const QPoint origin = header->mapToGlobal(QPoint(0, 0));
        const int start = header->sectionViewportPosition(section_);
        const int size = header->sectionSize(section_);
        return orientation_ == Qt::Horizontal
                   ? QRect(origin.x() + start, origin.y(), size, header->height())
                   : QRect(origin.x(), origin.y() + start, header->width(), size);
    }
    // Where the header stands among its table's children.
    int IndexAmong(int columns) const {
        return orientation_ == Qt::Horizontal ? section_ + 1 : (section_ + 1) * columns;
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        const QHeaderView* header = Header();
        state.invisible = header == nullptr || !header->isVisible() ||
                          (orientation_ == Qt::Horizontal && Collapsed(*view_, section_));
        return state;
    }

private:
    QHeaderView* Header() const {
        if (!view_) {
            return nullptr;
        }
        return orientation_ == Qt::Horizontal ? view_->horizontalHeader() : view_->verticalHeader();
    }

    Qt::Orientation orientation_;
    int section_;
};

QAccessibleInterface* MakeCell(QTableView* view, int row, int column) {
    return new TableCell(view, row, column);
}
QAccessibleInterface* MakeColumnHeader(QTableView* view, int, int column) {
    return new HeaderCell(view, Qt::Horizontal, column);
}
QAccessibleInterface* MakeRowHeader(QTableView* view, int row, int) {
    return new HeaderCell(view, Qt::Vertical, row);
}

}  // namespace

AccessibleTable::AccessibleTable(QTableView* view) : QAccessibleWidget(view, QAccessible::Table) {}

AccessibleTable::~AccessibleTable() {
    ForgetChildren();
}

QTableView* AccessibleTable::View() const {
    return static_cast<QTableView*>(widget());
}

void* AccessibleTable::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                               : QAccessibleWidget::interface_cast(type);
}

int AccessibleTable::columnCount() const {
    return View()->model()->columnCount(View()->rootIndex());
}

int AccessibleTable::rowCount() const {
    return View()->model()->rowCount(View()->rootIndex());
}

int AccessibleTable::childCount() const {
    return (rowCount() + 1) * Columns();
}

QAccessibleInterface* AccessibleTable::child(int index) const {
    if (index <= 0 || index >= childCount()) {
        return nullptr;  // the corner, where Qt keeps a button nobody can press
    }
    const int row = index / Columns() - 1;
    const int column = index % Columns() - 1;
    if (row < 0) {
        return Cached(index, MakeColumnHeader, row, column);
    }
    if (column < 0) {
        return Cached(index, MakeRowHeader, row, column);
    }
    return Cached(index, MakeCell, row, column);
}

QAccessibleInterface* AccessibleTable::Cached(int index,
                                              QAccessibleInterface* (*make)(QTableView*, int, int),
                                              int row, int column) const {
    if (const auto found = children_.constFind(index); found != children_.constEnd()) {
        return QAccessible::accessibleInterface(*found);
    }
    QAccessibleInterface* made = make(View(), row, column);
    children_.insert(index, QAccessible::registerAccessibleInterface(made));
    return made;
}

QAccessibleInterface* AccessibleTable::cellAt(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) {
        return nullptr;
    }
    return child((row + 1) * Columns() + column + 1);
}

QAccessibleInterface* AccessibleTable::ColumnHeader(int column) const {
    return column < 0 || column >= columnCount() ? nullptr : child(column + 1);
}

int AccessibleTable::indexOfChild(const QAccessibleInterface* child) const {
    if (const auto* cell = dynamic_cast<const TableCell*>(child);
        cell != nullptr && cell->View() == View()) {
        return (cell->rowIndex() + 1) * Columns() + cell->columnIndex() + 1;
    }
    if (const auto* header = dynamic_cast<const HeaderCell*>(child);
        header != nullptr && header->View() == View()) {
        return header->IndexAmong(Columns());
    }
    return -1;
}

QAccessibleInterface* AccessibleTable::childAt(int x, int y) const {
    const QPoint at = View()->viewport()->mapFromGlobal(QPoint(x, y));
    const QModelIndex index = View()->indexAt(at);
    return index.isValid() ? cellAt(index.row(), index.column()) : nullptr;
}

QAccessibleInterface* AccessibleTable::focusChild() const {
    const QModelIndex current = View()->currentIndex();
    return current.isValid() ? cellAt(current.row(), current.column()) : nullptr;
}

QString AccessibleTable::columnDescription(int column) const {
    return View()->model()->headerData(column, Qt::Horizontal).toString();
}

QList<int> AccessibleTable::selectedRows() const {
    QList<int> rows;
    for (const QModelIndex& index : View()->selectionModel()->selectedRows()) {
        rows.append(index.row());
    }
    return rows;
}

int AccessibleTable::selectedRowCount() const {
    return static_cast<int>(selectedRows().size());
}

QList<QAccessibleInterface*> AccessibleTable::selectedCells() const {
    QList<QAccessibleInterface*> cells;
    for (const QModelIndex& index : View()->selectionModel()->selectedIndexes()) {
        cells.append(cellAt(index.row(), index.column()));
    }
    return cells;
}

int AccessibleTable::selectedCellCount() const {
    return static_cast<int>(View()->selectionModel()->selectedIndexes().size());
}

bool AccessibleTable::isRowSelected(int row) const {
    return View()->selectionModel()->isRowSelected(row, View()->rootIndex());
}

bool AccessibleTable::selectRow(int row) {
    const QModelIndex index = View()->model()->index(row, 0, View()->rootIndex());
    View()->selectionModel()->select(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    return index.isValid();
}

bool AccessibleTable::unselectRow(int row) {
    const QModelIndex index = View()->model()->index(row, 0, View()->rootIndex());
    View()->selectionModel()->select(index,
                                     QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    return index.isValid();
}

void AccessibleTable::modelChange(QAccessibleTableModelChangeEvent* event) {
    // Cells are told apart by where they stand; once rows or columns move, none stands where it
    // did. A change of data leaves them in place.
    if (event->modelChangeType() != QAccessibleTableModelChangeEvent::DataChanged) {
        ForgetChildren();
    }
}

void AccessibleTable::ForgetChildren() {
    const QHash<int, QAccessible::Id> children = std::exchange(children_, {});
    for (const QAccessible::Id id : children) {
        QAccessible::deleteAccessibleInterface(id);
    }
}
