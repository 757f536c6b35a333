// The spreadsheet program of this desktop: cells are collected, written to an .xlsx file, and the
// file is opened in the program the system finds for it. How programs are found and started
// comes from outside (app/DesktopPlatform gives the desktop's way).
#pragma once

#include "export/Spreadsheet.h"

#include <QDateTime>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

// A program and the arguments that go before the file it is to open.
struct SpreadsheetProgram {
    QString program;
    QStringList arguments;
};

// How programs are found and started: the desktop's in the program, fakes in tests.
struct ProgramLookup {
    std::function<QString(const QString& name)> findExecutable;
    // The desktop's default application for .xlsx files, empty when there is none.
    std::function<QString()> defaultXlsxApplication;
    // Starts a program with an argument list, never through a shell.
    std::function<bool(const QString& program, const QStringList& arguments)> startDetached;
};

// The program that opens the exports, as each system finds it (SpreadsheetProgram_posix.cpp,
// SpreadsheetProgram_windows.cpp). LibreOffice opens the file as a new, unsaved document; the
// others open it as it is.
std::optional<SpreadsheetProgram> FindSpreadsheetProgram(const ProgramLookup& lookup);

// Each export is a new file in the folder. The folder may live in memory until logout, so each
// new file removes the program's older ones: those from before `programStart`, and all but the
// newest few. A spreadsheet program that still has one open keeps reading it, as removing a file
// only takes its name away.
class XlsxSpreadsheet final : public SpreadsheetApplication {
public:
    XlsxSpreadsheet(SpreadsheetProgram program, ProgramLookup lookup, QString folder,
                    QDateTime programStart);

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
    QDateTime programStart_;
    bool hasWorkbook_ = false;
    std::vector<std::vector<QString>> rows_;
    std::vector<double> widths_;
};

class DesktopSpreadsheets final : public SpreadsheetProvider {
public:
    // Files go to `folder`; the program started at `programStart`.
    DesktopSpreadsheets(ProgramLookup lookup, QString folder,
                        QDateTime programStart = QDateTime::currentDateTimeUtc());
    // Looks for the program; the next Create() uses what this found, so an export, which asks
    // both, looks only once.
    bool Available() override;
    std::unique_ptr<SpreadsheetApplication> Create() override;

private:
    ProgramLookup lookup_;
    QString folder_;
    QDateTime programStart_;
    std::optional<SpreadsheetProgram> found_;
};
