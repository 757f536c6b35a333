// .xlsx files written with libxlsxwriter. Every value is a string cell, so a text that starts
// with "=" stays text.
#include "export/XlsxFile.h"

#include <QList>

#include <xlsxwriter.h>

#include <algorithm>
#include <stdexcept>

namespace {

constexpr double MaxColumnWidth = 255;      // the widest column a sheet allows
constexpr qsizetype MaxCellLength = 32767;  // the longest text a cell holds

[[noreturn]] void Fail(const QString& what) {
    throw std::runtime_error(what.toStdString());
}

void Check(lxw_error error, const QString& what) {
    if (error != LXW_NO_ERROR) {
        Fail(what + QStringLiteral(": ") + QString::fromUtf8(lxw_strerror(error)));
    }
}

void WriteSheet(lxw_workbook* workbook, const std::vector<std::vector<QString>>& rows,
                const std::vector<double>& widths) {
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
    if (sheet == nullptr) {
        Fail(QStringLiteral("No sheet could be added to the spreadsheet."));
    }
    // With constant memory the column widths must come before the first row.
    for (size_t c = 0; c < widths.size(); ++c) {
        if (widths[c] > 0) {
            const auto column = static_cast<lxw_col_t>(c);
            Check(worksheet_set_column(sheet, column, column, widths[c], nullptr),
                  QStringLiteral("Column %1 could not be sized").arg(c + 1));
        }
    }
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t c = 0; c < rows[r].size(); ++c) {
            if (rows[r][c].isEmpty()) {
                continue;
            }
            const QByteArray text = CellText(rows[r][c]).toUtf8();
            Check(worksheet_write_string(sheet, static_cast<lxw_row_t>(r),
                                         static_cast<lxw_col_t>(c), text.constData(), nullptr),
                  QStringLiteral("Cell (%1, %2) could not be written").arg(r + 1).arg(c + 1));
        }
    }
}

}  // namespace

QString CellText(const QString& text) {
    if (text.size() <= MaxCellLength) {
        return text;
    }
    const bool splitsAPair = text[MaxCellLength - 1].isHighSurrogate();
    return text.left(splitsAPair ? MaxCellLength - 1 : MaxCellLength);
}

std::vector<double> FittedWidths(const std::vector<std::vector<QString>>& rows, int columns) {
    std::vector<double> widths(static_cast<size_t>(columns), 0);
    for (const std::vector<QString>& row : rows) {
        for (size_t c = 0; c < row.size() && c < widths.size(); ++c) {
            qsizetype longest = 0;
            for (const QStringView line : QStringView(row[c]).split(u'\n')) {
                longest = std::max(longest, line.size());
            }
            // A little room beyond the characters, as a spreadsheet's own fitting leaves.
            widths[c] = std::max(widths[c], std::min(MaxColumnWidth, longest * 1.1 + 2));
        }
    }
    return widths;
}

void WriteXlsx(const QString& path, const std::vector<std::vector<QString>>& rows,
               const std::vector<double>& widths) {
    // libxlsxwriter takes names in UTF-8: as the file system has them on Linux, and opened through
    // the wide calls on Windows.
    const QByteArray nativePath = path.toUtf8();
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook* workbook = workbook_new_opt(nativePath.constData(), &options);
    if (workbook == nullptr) {
        Fail(QStringLiteral("The spreadsheet %1 could not be created.").arg(path));
    }
    try {
        WriteSheet(workbook, rows, widths);
    } catch (...) {
        workbook_close(workbook);  // frees it; the caller removes the file
        throw;
    }
    if (const lxw_error error = workbook_close(workbook); error != LXW_NO_ERROR) {
        Fail(QStringLiteral("The spreadsheet %1 could not be written: %2")
                 .arg(path, QString::fromUtf8(lxw_strerror(error))));
    }
}
