// .xlsx files written with libxlsxwriter, column widths fitted to the contents.
#pragma once

#include <QString>

#include <vector>

// Spreadsheet column widths that fit each column's longest line, in characters.
std::vector<double> FittedWidths(const std::vector<std::vector<QString>>& rows, int columns);

// A cell's text cut to the longest a cell holds, never inside a character.
QString CellText(const QString& text);

// Writes the cells (rows and columns from 0) as text cells, with the given column widths.
// Throws std::runtime_error when the file cannot be written or a cell refused.
void WriteXlsx(const QString& path, const std::vector<std::vector<QString>>& rows,
               const std::vector<double>& widths);
