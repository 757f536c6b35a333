// Which program opens exports on Linux: LibreOffice, told to make a new document of the file,
// before Gnumeric, else xdg-open where the desktop has a default for .xlsx files.
#include "export/XlsxSpreadsheet.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(SpreadsheetProgramTest, LibreOfficeBeforeGnumericElseTheDesktopsDefault) {
    QStringList onPath{u"xdg-open"_s};
    QString byDefault;
    const auto found = [&] {
        const auto program = FindSpreadsheetProgram(
            {[&](const QString& name) { return onPath.contains(name) ? name : QString(); },
             [&] { return byDefault; },
             {}});
        return program ? QStringList{program->program} + program->arguments : QStringList();
    };
    EXPECT_EQ(found(), QStringList());  // xdg-open would find no program
    byDefault = u"calc.desktop"_s;
    EXPECT_EQ(found(), QStringList{u"xdg-open"_s});
    onPath << u"gnumeric"_s << u"localc"_s;
    EXPECT_EQ(found(), (QStringList{u"localc"_s, u"-n"_s}));
}

}  // namespace
