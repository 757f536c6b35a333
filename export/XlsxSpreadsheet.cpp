// The spreadsheet application the export drives: it collects the cells, writes them to an .xlsx
// file and opens that in the program the desktop has.
#include "export/XlsxSpreadsheet.h"

#include "export/XlsxFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace {

[[noreturn]] void Fail(const QString& what) {
    throw std::runtime_error(what.toStdString());
}

}  // namespace

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
    : lookup_(std::move(lookup)), folder_(std::move(folder)) {}

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
