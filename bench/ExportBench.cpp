// Exports of 65,000 result rows: the text file, and the .xlsx file the spreadsheet program opens.
#include "app/QtPlatform.h"
#include "bench/RiddleFiles.h"
#include "browser/ResultList.h"
#include "export/TextExport.h"
#include "export/XlsxSpreadsheet.h"
#include "store/Connection.h"
#include "store/RecordSet.h"
#include "store/RiddleFile.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int Rows = 65000;

// A browser list of 65,000 generated riddles with their answers, every row ticked.
ResultSnapshot GeneratedList() {
    Connection connection;
    connection.Open(RiddleFile::ConnectionString(GeneratedRiddleFile(100000)));
    RecordSet records;
    records.Open(QStringLiteral("select top 65000 * from tblRiddles ORDER BY Rnd([id])"), connection,
                 RecordSet::StaticCursor, RecordSet::ReadOnlyLock);
    ResultList list;
    list.AddColumn(QStringLiteral("Riddles"));
    list.AddColumn(QStringLiteral("Answers"));
    while (!records.Eof()) {
        const int row = list.AddRow(records.Fields(1).Value.toString());
        list.SetSubItem(row, 1, records.Fields(2).Value.toString());
        list.SetTicked(row, true);
        records.MoveNext();
    }
    return list.Snapshot();
}

void TextExport(benchmark::State& state) {
    const ResultSnapshot list = GeneratedList();
    QTemporaryDir folder;
    QtEventPump events;
    for (auto _ : state) {
        ListToTextFile(list, folder.filePath(QStringLiteral("results.txt")), events);
    }
}

// The export's steps on the shipped backend, the program start left out.
void XlsxExport(benchmark::State& state) {
    const ResultSnapshot list = GeneratedList();
    QTemporaryDir folder;
    ProgramLookup lookup = DesktopProgramLookup();
    lookup.startDetached = [](const QString&, const QStringList&) { return true; };
    for (auto _ : state) {
        XlsxSpreadsheet sheet({QStringLiteral("none"), {}}, lookup, folder.path());
        sheet.AddWorkbook();
        for (int k = 1; k <= list.ColumnCount(); ++k) {
            sheet.SetHeaderCell(1, k, list.ColumnHeader(k));
            sheet.AutofitColumn(k);
        }
        for (int n = 1; n <= list.RowCount(); ++n) {
            sheet.SetCellValue(n + 1, 1, list.Text(n));
            sheet.SetCellValue(n + 1, 2, list.SubItem(n, 1).remove(u'='));
        }
        sheet.AutofitAllColumns();
        sheet.SetVisible(true);
    }
}

}  // namespace

BENCHMARK(TextExport)->Arg(Rows)->Unit(benchmark::kMillisecond);
BENCHMARK(XlsxExport)->Arg(Rows)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
