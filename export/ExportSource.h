// What the exporters read of a result list: its columns and its rows, numbered from 1.
#pragma once

#include <QString>

class ExportSource {
public:
    virtual ~ExportSource() = default;
    virtual int ColumnCount() const = 0;
    virtual QString ColumnHeader(int column) const = 0;
    virtual int RowCount() const = 0;
    virtual bool Ticked(int row) const = 0;
    virtual QString Text(int row) const = 0;
    // Empty when it was never set.
    virtual QString SubItem(int row, int n) const = 0;
};

// What column k of row n shows: the row's text in column 1, sub-item k - 1 after it.
inline QString ExportCell(const ExportSource& list, int row, int column) {
    return column == 1 ? list.Text(row) : list.SubItem(row, column - 1);
}
