// The desktop's services on Windows as a user's system has them: without Excel, an export goes to
// the program the user's .xlsx association names, started by the association's own command.
#include "app/DesktopPlatform.h"
#include "tests/support/RiddleFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>

#include <gtest/gtest.h>

#include <windows.h>

using namespace Qt::StringLiterals;

namespace {

void SetDefault(const QString& key, const QString& value) {
    ASSERT_EQ(RegSetKeyValueW(HKEY_CLASSES_ROOT, reinterpret_cast<const wchar_t*>(key.utf16()),
                              nullptr, REG_SZ, value.utf16(),
                              static_cast<DWORD>((value.size() + 1) * sizeof(char16_t))),
              ERROR_SUCCESS);
}

// An .xlsx association whose command copies the file it opens to `copy`, taken away again with
// the test. Written to HKEY_CLASSES_ROOT, which Windows keeps for a user without administrator
// rights in the user's own classes, and which Wine's association calls read.
class XlsxAssociation final {
public:
    explicit XlsxAssociation(const QString& copy) {
        SetDefault(u".xlsx"_s, u"QuorvaneTest.Sheet"_s);
        SetDefault(u"QuorvaneTest.Sheet\\shell\\open\\command"_s,
                   uR"(C:\windows\system32\cmd.exe /c copy "%1" ")"_s +
                       QDir::toNativeSeparators(copy) + u'"');
    }
    ~XlsxAssociation() {
        RegDeleteTreeW(HKEY_CLASSES_ROOT, L"QuorvaneTest.Sheet");
        RegDeleteTreeW(HKEY_CLASSES_ROOT, L".xlsx");
    }
    XlsxAssociation(const XlsxAssociation&) = delete;
    XlsxAssociation& operator=(const XlsxAssociation&) = delete;
};

TEST(DesktopPlatformTest, WithoutExcelTheXlsxAssociationOpensTheExport) {
    TestFolder folder;
    const QString copy = folder.Path(u"opened.xlsx"_s);
    const XlsxAssociation association(copy);
    const auto spreadsheets = UserSpreadsheets();
    ASSERT_TRUE(spreadsheets->Available());
    const auto sheet = spreadsheets->Create();
    sheet->AddWorkbook();
    sheet->SetHeaderCell(1, 1, u"Riddles"_s);
    sheet->SetCellValue(2, 1, u"Gr\u00f6\u00dfe"_s);
    sheet->SetVisible(true);
    for (int waited = 0; waited < 100 && QFileInfo(copy).size() == 0; ++waited) {
        QThread::msleep(100);  // the command runs on its own
    }
    EXPECT_TRUE(ReadFile(copy).startsWith("PK\x03\x04"))
        << "the association's command got no .xlsx";
}

}  // namespace
