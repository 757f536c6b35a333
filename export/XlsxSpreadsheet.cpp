// The spreadsheet application the export drives: it collects the cells, writes them to an .xlsx
// file, opens that in the program the desktop has, and clears older exports from the folder.
#include "export/XlsxSpreadsheet.h"

#include "export/XlsxFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace {

[[noreturn]] void Fail(const QString& what) {
    throw std::runtime_error(what.toStdString());
}

// How many exports the folder keeps, the newest one included.
constexpr int KeptExports = 5;

// The name of an export written at `time`; RemoveOldExports knows the program's exports by it.
QString ExportName(const QDateTime& time) {
    return QStringLiteral("Results %1.xlsx")
        .arg(time.toString(QStringLiteral("yyyy-MM-dd hh.mm.ss.zzz")));
}

// Makes an empty file under a name no file has yet and returns its path, so that no file is
// ever overwritten: another copy of the program may export in the same millisecond.
QString NewExportFile(const QString& folder) {
    QDateTime stamp = QDateTime::currentDateTime();
    QFile file;
    for (int tries = 0; tries < 100; ++tries, stamp = stamp.addMSecs(1)) {
        file.setFileName(QDir(folder).filePath(ExportName(stamp)));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            return file.fileName();
        }
    }
    Fail(QStringLiteral("No new file could be made in %1: %2").arg(folder, file.errorString()));
}

// Removes exports of earlier runs and all but the newest few of this one. Only regular files
// named as the program names its exports go: links (which the program never makes) stay, and
// neither a link nor what it leads to is ever touched. A removal that fails leaves that file for
// the next export to try.
void RemoveOldExports(const QString& folder, const QString& newest, const QDateTime& programStart) {
    static const QRegularExpression exportName(QRegularExpression::anchoredPattern(
        QStringLiteral(R"(Results \d{4}-\d\d-\d\d \d\d\.\d\d\.\d\d\.\d{3}\.xlsx)")));
    int kept = 1;  // the newest
    // Newest first, by the time each was last written.
    for (const QFileInfo& file :
         QDir(folder).entryInfoList(QDir::Files | QDir::NoSymLinks, QDir::Time)) {
        if (file.fileName() == newest || !exportName.match(file.fileName()).hasMatch()) {
            continue;
        }
        if (file.lastModified() >= programStart && kept < KeptExports) {
            ++kept;
            continue;
        }
        QFile::remove(file.filePath());
    }
}

}  // namespace

XlsxSpreadsheet::XlsxSpreadsheet(SpreadsheetProgram program, ProgramLookup lookup, QString folder,
                                 QDateTime programStart)
    : program_(std::move(program)),
      lookup_(std::move(lookup)),
      folder_(std::move(folder)),
      programStart_(std::move(programStart)) {}

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
    const QString writtenFile = NewExportFile(folder_);
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
    RemoveOldExports(folder_, QFileInfo(writtenFile).fileName(), programStart_);
}

DesktopSpreadsheets::DesktopSpreadsheets(ProgramLookup lookup, QString folder,
                                         QDateTime programStart)
    : lookup_(std::move(lookup)),
      folder_(std::move(folder)),
      programStart_(std::move(programStart)) {}

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
    return std::make_unique<XlsxSpreadsheet>(std::move(*program), lookup_, folder_, programStart_);
}
