// The spreadsheet program of this desktop: cells are collected, written to an .xlsx file with
// libxlsxwriter, and the file is opened in LibreOffice, Gnumeric or the default program.
#pragma once

#include "export/Spreadsheet.h"

#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

// A program and the arguments that go before the file it is to open.
struct SpreadsheetProgram {
    QString program;
    QStringList arguments;
};

// How programs are found and started; the desktop's by default, fakes in tests.
struct ProgramLookup {
    std::function<QString(const QString& name)> findExecutable;
    // The desktop's default application for .xlsx files, empty when there is none.
    std::function<QString()> defaultXlsxApplication;
    // Starts a program with an argument list, never through a shell.
    std::function<bool(const QString& program, const QStringList& arguments)> startDetached;
};

ProgramLookup DesktopProgramLookup();

// LibreOffice opens the file as a new, unsaved document; Gnumeric and the default program open
// it as it is.
std::optional<SpreadsheetProgram> FindSpreadsheetProgram(const ProgramLookup& lookup);

// Spreadsheet column widths that fit each column's longest line, in characters.
std::vector<double> FittedWidths(const std::vector<std::vector<QString>>& rows, int columns);

// A cell's text cut to the longest a cell holds, never inside a character.
QString CellText(const QString& text);

// Writes the cells (rows and columns from 0) as text cells, with the given column widths.
// Throws std::runtime_error when the file cannot be written or a cell refused.
void WriteXlsx(const QString& path, const std::vector<std::vector<QString>>& rows,
               const std::vector<double>& widths);

class XlsxSpreadsheet final : public SpreadsheetApplication {
public:
    XlsxSpreadsheet(SpreadsheetProgram program, ProgramLookup lookup, QString folder);

    void AddWorkbook() override;
    void SetHeaderCell(int row, int column, const QString& text) override;
    void SetCellValue(int row, int column, const QString& text) override;
    void AutofitColumn(int column) override;
    void AutofitAllColumns() override;
    void SetVisible(bool visible) override;

private:
    SpreadsheetProgram program_;
    ProgramLookup lookup_;
    QString folder_;
    bool hasWorkbook_ = false;
    std::vector<std::vector<QString>> rows_;
    std::vector<double> widths_;
};

class DesktopSpreadsheets final : public SpreadsheetProvider {
public:
    // Files go to `folder`; by default a per-user runtime folder.
    explicit DesktopSpreadsheets(ProgramLookup lookup = DesktopProgramLookup(),
                                 QString folder = {});
    // Looks for the program; the next Create() uses what this found, so an export, which asks
    // both, looks only once.
    bool Available() override;
    std::unique_ptr<SpreadsheetApplication> Create() override;

private:
    ProgramLookup lookup_;
    QString folder_;
    std::optional<SpreadsheetProgram> found_;
};
