// .xlsx files for the user's spreadsheet program. Every value is a string cell, so a text that
// starts with "=" stays text.
#include "export/XlsxSpreadsheet.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <xlsxwriter.h>

#include <algorithm>
#include <stdexcept>
#include <utility>

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

QString RuntimeFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
           QStringLiteral("/quorvane");
}

}  // namespace

ProgramLookup DesktopProgramLookup() {
    return {[](const QString& name) { return QStandardPaths::findExecutable(name); },
            [] {
                QProcess query;
                query.start(
                    QStringLiteral("xdg-mime"),
                    {QStringLiteral("query"), QStringLiteral("default"),
                     QStringLiteral(
                         "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet")});
                // The window waits for the answer, so a desktop that does not give one soon is
                // taken to have no default.
                if (!query.waitForFinished(1000)) {
                    query.kill();
                    query.waitForFinished();
                    return QString();
                }
                if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0) {
                    return QString();
                }
                return QString::fromUtf8(query.readAllStandardOutput()).trimmed();
            },
            [](const QString& program, const QStringList& arguments) {
                return QProcess::startDetached(program, arguments);
            }};
}

std::optional<SpreadsheetProgram> FindSpreadsheetProgram(const ProgramLookup& lookup) {
    for (const char* name : {"soffice", "libreoffice", "localc"}) {
        if (const QString path = lookup.findExecutable(QString::fromLatin1(name));
            !path.isEmpty()) {
            return SpreadsheetProgram{path, {QStringLiteral("-n")}};
        }
    }
    if (const QString path = lookup.findExecutable(QStringLiteral("gnumeric")); !path.isEmpty()) {
        return SpreadsheetProgram{path, {}};
    }
    const QString opener = lookup.findExecutable(QStringLiteral("xdg-open"));
    if (!opener.isEmpty() && !lookup.defaultXlsxApplication().isEmpty()) {
        return SpreadsheetProgram{opener, {}};
    }
    return std::nullopt;
}

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
    const QByteArray nativePath = QFile::encodeName(path);
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

XlsxSpreadsheet::XlsxSpreadsheet(SpreadsheetProgram program, ProgramLookup lookup, QString folder)
    : program_(std::move(program)), lookup_(std::move(lookup)), folder_(std::move(folder)) {}

void XlsxSpreadsheet::AddWorkbook() {
    hasWorkbook_ = true;
    rows_.clear();
    widths_.clear();
}

void XlsxSpreadsheet::SetHeaderCell(int row, int column, const QString& text) {
    SetCellValue(row, column, text);
}

void XlsxSpreadsheet::SetCellValue(int row, int column, const QString& text) {
    if (!hasWorkbook_ || row < 1 || column < 1) {
        Fail(QStringLiteral("There is no cell (%1, %2) to write.").arg(row).arg(column));
    }
    if (rows_.size() < static_cast<size_t>(row)) {
        rows_.resize(static_cast<size_t>(row));
    }
    std::vector<QString>& cells = rows_[static_cast<size_t>(row - 1)];
    if (cells.size() < static_cast<size_t>(column)) {
        cells.resize(static_cast<size_t>(column));
    }
    cells[static_cast<size_t>(column - 1)] = text;
}

void XlsxSpreadsheet::AutofitColumn(int column) {
    if (column < 1) {
        Fail(QStringLiteral("There is no column %1 to fit.").arg(column));
    }
    const std::vector<double> fitted = FittedWidths(rows_, column);
    widths_.resize(std::max(widths_.size(), fitted.size()));
    widths_[static_cast<size_t>(column - 1)] = fitted[static_cast<size_t>(column - 1)];
}

void XlsxSpreadsheet::AutofitAllColumns() {
    size_t columns = widths_.size();
    for (const std::vector<QString>& row : rows_) {
        columns = std::max(columns, row.size());
    }
    widths_ = FittedWidths(rows_, static_cast<int>(columns));
}

void XlsxSpreadsheet::SetVisible(bool visible) {
    if (!visible) {
        return;
    }
    if (!QDir().mkpath(folder_)) {
        Fail(QStringLiteral("The folder %1 could not be made.").arg(folder_));
    }
    QFile::setPermissions(folder_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh.mm.ss.zzz"));
    const QString writtenFile =
        QDir(folder_).filePath(QStringLiteral("Results %1.xlsx").arg(stamp));
    try {
        WriteXlsx(writtenFile, rows_, widths_);
        if (!lookup_.startDetached(program_.program,
                                   program_.arguments + QStringList{writtenFile})) {
            Fail(QStringLiteral("%1 could not be started.").arg(program_.program));
        }
    } catch (...) {
        QFile::remove(writtenFile);  // no one will open it
        throw;
    }
}

DesktopSpreadsheets::DesktopSpreadsheets(ProgramLookup lookup, QString folder)
    : lookup_(std::move(lookup)), folder_(folder.isEmpty() ? RuntimeFolder() : std::move(folder)) {}

bool DesktopSpreadsheets::Available() {
    found_ = FindSpreadsheetProgram(lookup_);
    return found_.has_value();
}

std::unique_ptr<SpreadsheetApplication> DesktopSpreadsheets::Create() {
    std::optional<SpreadsheetProgram> program =
        found_ ? std::exchange(found_, std::nullopt) : FindSpreadsheetProgram(lookup_);
    if (!program) {
        Fail(
            QStringLiteral("No spreadsheet program was found: neither LibreOffice nor Gnumeric, "
                           "nor a default application for .xlsx files."));
    }
    return std::make_unique<XlsxSpreadsheet>(std::move(*program), lookup_, folder_);
}
