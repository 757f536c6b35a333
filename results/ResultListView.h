// The report-style list control over a ResultList: tick boxes, one selected row, draggable
// column dividers that may run past the right edge.
#pragma once

#include <QTableView>

class ResultList;

class ResultListView final : public QTableView {
    Q_OBJECT

public:
    ResultListView(ResultList& list, QWidget* parent);

    // The selected row's number, counted from 1; 0 when no row is selected.
    int SelectedRow() const;
    void SelectRow(int row);

Q_SIGNALS:
    // A key (an arrow, Home, End, a page key) made another row current.
    void RowChosenByKey();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void focusInEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void ApplyColumnWidth(int column);
    void AnnounceTicks(const QModelIndex& first, const QModelIndex& last, const QList<int>& roles);
    void AnnounceTick(int row);
    void AnnounceCurrentRow();
    // The child a screen reader knows the row's first cell by.
    int AccessibleIndex(int row);

    ResultList& list_;
};
