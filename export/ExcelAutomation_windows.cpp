// Excel is reached through IDispatch: each member is looked up by name and invoked, as a script
// would. A failed call throws with what Excel or the system said, so that the export reports it
// as the step's failure and goes on.
#include "export/ExcelAutomation.h"

#include <QString>

#include <stdexcept>
#include <utility>
#include <vector>

// windows.h first: the COM headers rely on what it defines.
#include <windows.h>

#include <oleauto.h>

namespace {

[[noreturn]] void Fail(const wchar_t* name, const QString& why) {
    throw std::runtime_error(QStringLiteral("Excel did not take %1: %2")
                                 .arg(QString::fromWCharArray(name), why)
                                 .toStdString());
}

[[noreturn]] void Fail(const wchar_t* name, HRESULT result) {
    Fail(name, qt_error_string(static_cast<int>(result)).trimmed());
}

// What the object said of its failure; the strings are the caller's to free.
QString Described(EXCEPINFO& exception, HRESULT result) {
    const QString why = exception.bstrDescription != nullptr
                            ? QString::fromWCharArray(exception.bstrDescription)
                            : qt_error_string(static_cast<int>(result)).trimmed();
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    return why;
}

// A VARIANT that is cleared when it goes.
struct Variant {
    Variant() { VariantInit(&value); }
    ~Variant() { VariantClear(&value); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    VARIANT value;
};

// Invokes `name` on the object, `arguments` in their written order; a property put takes its
// value last. A null name stands for the default member.
void Invoke(IDispatch* object, const wchar_t* name, WORD kind, std::vector<VARIANT>& arguments,
            VARIANT* result) {
    if (object == nullptr) {
        Fail(name != nullptr ? name : L"Value", E_POINTER);
    }
    DISPID member = DISPID_VALUE;
    if (name != nullptr) {
        auto* asked = const_cast<LPOLESTR>(name);
        if (const HRESULT found =
                object->GetIDsOfNames(IID_NULL, &asked, 1, LOCALE_USER_DEFAULT, &member);
            FAILED(found)) {
            Fail(name, found);
        }
    }
    // IDispatch takes its arguments last to first.
    std::vector<VARIANT> reversed(arguments.rbegin(), arguments.rend());
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS parameters{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    if (kind == DISPATCH_PROPERTYPUT) {
        parameters.rgdispidNamedArgs = &named;
        parameters.cNamedArgs = 1;
    }
    EXCEPINFO exception{};
    const HRESULT invoked = object->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, kind, &parameters,
                                           result, &exception, nullptr);
    if (FAILED(invoked)) {
        const wchar_t* shown = name != nullptr ? name : L"Value";
        Fail(shown, invoked == DISP_E_EXCEPTION ? Described(exception, invoked)
                                                : qt_error_string(static_cast<int>(invoked)));
    }
}

VARIANT Int(int value) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}

}  // namespace

AutomationObject::AutomationObject(IDispatch* object) : object_(object) {}

AutomationObject::AutomationObject(AutomationObject&& other) noexcept
    : object_(std::exchange(other.object_, nullptr)) {}

AutomationObject& AutomationObject::operator=(AutomationObject&& other) noexcept {
    std::swap(object_, other.object_);
    return *this;
}

AutomationObject::~AutomationObject() {
    if (object_ != nullptr) {
        object_->Release();
    }
}

AutomationObject AutomationObject::Get(const wchar_t* name, std::initializer_list<int> arguments) {
    std::vector<VARIANT> values;
    for (const int argument : arguments) {
        values.push_back(Int(argument));
    }
    Variant result;
    Invoke(object_, name, DISPATCH_METHOD | DISPATCH_PROPERTYGET, values, &result.value);
    if (result.value.vt != VT_DISPATCH || result.value.pdispVal == nullptr) {
        throw std::runtime_error(QStringLiteral("Excel gave no object for %1.")
                                     .arg(QString::fromWCharArray(name))
                                     .toStdString());
    }
    result.value.pdispVal->AddRef();
    return AutomationObject(result.value.pdispVal);
}

void AutomationObject::Call(const wchar_t* name) {
    std::vector<VARIANT> none;
    Variant result;
    Invoke(object_, name, DISPATCH_METHOD | DISPATCH_PROPERTYGET, none, &result.value);
}

void AutomationObject::Put(const wchar_t* name, const QString& text) {
    std::vector<VARIANT> value(1);
    VariantInit(&value[0]);
    value[0].vt = VT_BSTR;
    value[0].bstrVal = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.utf16()),
                                         static_cast<UINT>(text.size()));
    try {
        Invoke(object_, name, DISPATCH_PROPERTYPUT, value, nullptr);
    } catch (...) {
        VariantClear(&value[0]);
        throw;
    }
    VariantClear(&value[0]);
}

void AutomationObject::Put(const wchar_t* name, bool value) {
    std::vector<VARIANT> values(1);
    VariantInit(&values[0]);
    values[0].vt = VT_BOOL;
    values[0].boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    Invoke(object_, name, DISPATCH_PROPERTYPUT, values, nullptr);
}

ExcelApplication::ExcelApplication(AutomationObject application)
    : application_(std::move(application)) {}

void ExcelApplication::AddWorkbook() {
    AutomationObject workbook = application_.Get(L"Workbooks").Get(L"Add");
    sheet_ = workbook.Get(L"ActiveSheet");
}

void ExcelApplication::SetHeaderCell(int row, int column, const QString& text) {
    sheet_.Get(L"Cells", {row, column}).Put(nullptr, text);
}

void ExcelApplication::SetCellValue(int row, int column, const QString& text) {
    sheet_.Get(L"Cells", {row, column}).Put(L"Value", text);
}

void ExcelApplication::AutofitColumn(int column) {
    sheet_.Get(L"Columns", {column}).Call(L"AutoFit");
}

void ExcelApplication::AutofitAllColumns() {
    sheet_.Get(L"Columns").Call(L"AutoFit");
}

void ExcelApplication::SetVisible(bool visible) {
    application_.Put(L"Visible", visible);
}

ExcelSpreadsheets::ExcelSpreadsheets(std::unique_ptr<SpreadsheetProvider> otherwise, Creator create)
    : otherwise_(std::move(otherwise)), create_(std::move(create)) {}

bool ExcelSpreadsheets::Available() {
    if (!create_) {
        return otherwise_->Available();
    }
    try {
        create_();  // released at once, never shown
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

std::unique_ptr<SpreadsheetApplication> ExcelSpreadsheets::Create() {
    if (!create_) {
        return otherwise_->Create();
    }
    return std::make_unique<ExcelApplication>(create_());
}

ExcelSpreadsheets::Creator ExcelSpreadsheets::InstalledExcel() {
    CLSID excel;
    if (FAILED(CLSIDFromProgID(L"Excel.Application", &excel))) {
        return {};
    }
    return [excel] {
        // The windows' thread talks to Excel; a second initialization only counts up.
        (void)CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        IDispatch* application = nullptr;
        if (const HRESULT made =
                CoCreateInstance(excel, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch,
                                 reinterpret_cast<void**>(&application));
            FAILED(made)) {
            Fail(L"Excel.Application", made);
        }
        return AutomationObject(application);
    };
}
