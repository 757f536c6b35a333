// Microsoft Excel on Windows, driven through its automation interface as the class
// "Excel.Application": a new workbook, its active sheet's cells and columns, then the
// application made visible and left running, the workbook unsaved.
#pragma once

#include "export/Spreadsheet.h"

#include <QString>

#include <functional>
#include <initializer_list>
#include <memory>

struct IDispatch;

// An automation object: the reference is released with it.
class AutomationObject {
public:
    AutomationObject() = default;
    // Takes over one reference.
    explicit AutomationObject(IDispatch* object);
    AutomationObject(AutomationObject&& other) noexcept;
    AutomationObject& operator=(AutomationObject&& other) noexcept;
    ~AutomationObject();

    // A property read, or a method called, by name with these arguments; an object comes back.
    AutomationObject Get(const wchar_t* name, std::initializer_list<int> arguments = {});
    void Call(const wchar_t* name);
    // A property set by name; with no name, the object's default value.
    void Put(const wchar_t* name, const QString& text);
    void Put(const wchar_t* name, bool value);

private:
    IDispatch* object_ = nullptr;
};

class ExcelApplication final : public SpreadsheetApplication {
public:
    explicit ExcelApplication(AutomationObject application);

    void AddWorkbook() override;
    void SetHeaderCell(int row, int column, const QString& text) override;
    void SetCellValue(int row, int column, const QString& text) override;
    void AutofitColumn(int column) override;
    void AutofitAllColumns() override;
    void SetVisible(bool visible) override;

private:
    AutomationObject application_;
    AutomationObject sheet_;  // the new workbook's active sheet
};

// Excel where it is registered, else `otherwise`.
class ExcelSpreadsheets final : public SpreadsheetProvider {
public:
    // Makes a new application object: a new Excel instance in the program, a stand-in in tests.
    // It throws when none can be made.
    using Creator = std::function<AutomationObject()>;

    // With no `create`, every export goes to `otherwise`.
    ExcelSpreadsheets(std::unique_ptr<SpreadsheetProvider> otherwise, Creator create);

    bool Available() override;
    std::unique_ptr<SpreadsheetApplication> Create() override;

    // New Excel instances where the class "Excel.Application" is registered, else nothing.
    static Creator InstalledExcel();

private:
    std::unique_ptr<SpreadsheetProvider> otherwise_;
    Creator create_;
};
