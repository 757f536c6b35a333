// A table view as screen readers meet it, in place of Qt's own interface for tables, which
// cannot be extended: Qt names a tick box's action "Toggle" where screen readers look for
// "toggle", so a tick is never spoken, and it reads a column collapsed to a pixel as if it showed.
#pragma once

#include <QAccessibleWidget>
#include <QHash>

class QTableView;

class AccessibleTable final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit AccessibleTable(QTableView* view);
    ~AccessibleTable() override;

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    QAccessibleInterface* cellAt(int row, int column) const override;
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QString columnDescription(int column) const override;
    QString rowDescription(int) const override { return {}; }
    int columnCount() const override;
    int rowCount() const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override;
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int) override { return false; }
    bool unselectRow(int row) override;
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

    QTableView* View() const;
    // The column's header as a cell of its own, the one its cells name as their header.
    QAccessibleInterface* ColumnHeader(int column) const;

private:
    // Children are numbered as Qt's item views number them in the events they send: a first
    // row of column headers and a first column of row headers, then the cells.
    int Columns() const { return columnCount() + 1; }
    QAccessibleInterface* Cached(int index, QAccessibleInterface* (*make)(QTableView*, int, int),
                                 int row, int column) const;
    void ForgetChildren();

    mutable QHash<int, QAccessible::Id> children_;
};
