// Excel's automation as the export drives it, against a stand-in automation object that answers
// every member by name and writes down each call, and what a failing Excel makes of the export.
#include "export/ExcelAutomation.h"
#include "tests/export/ExportFixture.h"

#include <gtest/gtest.h>

#include <memory>

// windows.h first: the COM headers rely on what it defines.
#include <windows.h>

#include <oleauto.h>

using namespace Qt::StringLiterals;

namespace {

// The calls every stand-in object of one application received, and the call that fails.
struct CallLog {
    QStringList calls;
    int failAt = -1;  // the index of the call that fails, as Excel does with an exception
};

// An automation object named by the member that gave it ("ActiveSheet"); every property read or
// method call gives a new one. Member names get their ids in the order they are first asked for.
class StandIn final : public IDispatch {
public:
    StandIn(QString name, std::shared_ptr<CallLog> log)
        : path_(std::move(name)), log_(std::move(log)) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        const bool known = id == IID_IUnknown || id == IID_IDispatch;
        *object = known ? static_cast<IDispatch*>(this) : nullptr;
        return known ? (AddRef(), S_OK) : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            delete this;
        }
        return left;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID,
                                            DISPID* ids) override {
        const QString name = QString::fromWCharArray(names[0]);
        if (!names_.contains(name)) {
            names_.append(name);
        }
        *ids = static_cast<DISPID>(names_.indexOf(name) + 1);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD kind, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT*) override {
        const QString name = member == DISPID_VALUE ? u"(default)"_s : names_[member - 1];
        QStringList arguments;  // given last to first
        for (UINT i = parameters->cArgs; i-- > 0;) {
            const VARIANT& value = parameters->rgvarg[i];
            arguments << (value.vt == VT_I4 ? QString::number(value.lVal)
                          : value.vt == VT_BSTR
                              ? u"\""_s + QString::fromWCharArray(value.bstrVal) + u"\""_s
                          : value.vt == VT_BOOL ? (value.boolVal ? u"True"_s : u"False"_s)
                                                : u"?"_s);
        }
        const bool put = kind == DISPATCH_PROPERTYPUT;
        const QString call =
            path_ + u'.' + name +
            (put ? u" = "_s + arguments.join(u", "_s)
                 : (arguments.isEmpty() ? QString() : u"("_s + arguments.join(u", "_s) + u')'));
        if (log_->calls.size() == log_->failAt) {
            log_->calls << call + u" fails"_s;
            exception->bstrDescription = SysAllocString(L"The stand-in refused.");
            return DISP_E_EXCEPTION;
        }
        log_->calls << call;
        if (!put && result != nullptr) {
            result->vt = VT_DISPATCH;
            result->pdispVal = new StandIn(name, log_);
        }
        return S_OK;
    }

private:
    inline static QStringList names_;
    QString path_;
    std::shared_ptr<CallLog> log_;
    ULONG references_ = 1;
};

// Each export begins with a new application, as a new Excel instance would.
class ExcelAutomationTest : public ExportFixture {
protected:
    ExcelSpreadsheets Excel() {
        return ExcelSpreadsheets(std::make_unique<FakeSpreadsheets>(),
                                 [this] { return AutomationObject(new StandIn(u"Excel"_s, log)); });
    }

    std::shared_ptr<CallLog> log = std::make_shared<CallLog>();
};

TEST_F(ExcelAutomationTest, ExportAsksExcelForAWorkbookCellsFittedColumnsAndVisibility) {
    AddRow(u"=SUM(1)"_s, u"a=b"_s, true);
    AddRow(u"skipped"_s, u"x"_s, false);
    AddRow(u"Caf\u00e9"_s, u"\u20ac"_s, true);
    ExcelSpreadsheets excel = Excel();
    Send(excel);
    // The availability check only creates an application; the export's own makes every call.
    EXPECT_EQ(log->calls.join(u"; "_s),
              u"Excel.Workbooks; Workbooks.Add; Add.ActiveSheet; "
              u"ActiveSheet.Cells(1, 1); Cells.(default) = \"Riddles\"; "
              u"ActiveSheet.Columns(1); Columns.AutoFit; "
              u"ActiveSheet.Cells(1, 2); Cells.(default) = \"Answers\"; "
              u"ActiveSheet.Columns(2); Columns.AutoFit; "
              u"ActiveSheet.Cells(2, 1); Cells.Value = \"=SUM(1)\"; "
              u"ActiveSheet.Cells(2, 2); Cells.Value = \"ab\"; "
              u"ActiveSheet.Cells(4, 1); Cells.Value = \"Caf\u00e9\"; "
              u"ActiveSheet.Cells(4, 2); Cells.Value = \"\u20ac\"; "
              u"ActiveSheet.Columns; Columns.AutoFit; Excel.Visible = True"_s);
    EXPECT_TRUE(fake.messages.errors.isEmpty());
    EXPECT_EQ(pointer.value, Pointer::Default);
}

// What Excel refuses is reported in its own words, once, and the export stops there, as with any
// failing step; an Excel that cannot be started is "not installed".
TEST_F(ExcelAutomationTest, RefusedCallsAreReportedAndAnExcelThatWillNotStartIsNotInstalled) {
    AddRow(u"r"_s, u"a"_s, true);
    ExcelSpreadsheets excel = Excel();
    log->failAt = 11;  // the first data cell
    Send(excel);
    EXPECT_EQ(log->calls.size(), 12);
    EXPECT_EQ(log->calls.last(), u"ActiveSheet.Cells(2, 1) fails"_s);
    ASSERT_EQ(fake.messages.errors.size(), 1);
    EXPECT_TRUE(
        fake.messages.errors[0].contains(u"Excel did not take Cells: The stand-in refused."_s))
        << fake.messages.errors[0].toStdString();
    EXPECT_EQ(pointer.value, Pointer::Default);

    ExcelSpreadsheets broken(std::make_unique<FakeSpreadsheets>(),
                             []() -> AutomationObject { throw std::runtime_error("no Excel"); });
    fake.messages.messages.clear();
    Send(broken);
    EXPECT_EQ(fake.messages.messages.size(), 2);  // "…without error.", then "…this feature."
}

}  // namespace
