// Exports of result lists: 65,000 rows (the most a spreadsheet takes) as a text file and as the
// .xlsx file the spreadsheet program opens, and the full list of a million riddles as text.
#include "bench/RiddleFiles.h"
#include "browser/BrowserLoading.h"
#include "export/Spreadsheet.h"
#include "export/TextExport.h"
#include "export/XlsxSpreadsheet.h"
#include "kit/ErrorReport.h"
#include "kit/Seams.h"
#include "results/ResultList.h"
#include "store/Connection.h"
#include "store/RecordSet.h"
#include "store/RiddleFile.h"
#include "tests/support/FakePlatform.h"
#include "ui/QtPlatform.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int Rows = MaxSpreadsheetRows;

// A browser list of generated riddles with their answers, every row ticked: a random 65,000 of
// 100,000, or every riddle of a file of the given size.
ResultSnapshot GeneratedList(qint64 rows) {
    const bool sample = rows == Rows;
    Connection connection;
    connection.Open(RiddleFile::ConnectionString(GeneratedRiddleFile(sample ? 100000 : rows)));
    RecordSet records;
    records.Open(sample ? RandomSelectionQuery(QString::number(Rows)) : AllRiddlesQuery, connection,
                 RecordSet::CursorType::Static, RecordSet::LockType::ReadOnly);
    ResultList list;
    list.AddColumn(QStringLiteral("Riddles"));
    list.AddColumn(QStringLiteral("Answers"));
    AddRiddleRows(records, list, [] { return true; });
    list.SetAllTicked(true);
    return list.Snapshot();
}

void TextExport(benchmark::State& state) {
    const ResultSnapshot list = GeneratedList(state.range(0));
    QTemporaryDir folder;
    const SystemProcess process;
    QtEventPump events(process);
    for (auto _ : state) {
        ListToTextFile(list, folder.filePath(QStringLiteral("results.txt")), events);
    }
}

// The whole "Send Results To Excel" on the shipped backend, up to the program start.
void XlsxExport(benchmark::State& state) {
    const ResultSnapshot list = GeneratedList(Rows);
    QTemporaryDir folder;
    const ProgramLookup lookup{[](const QString& name) { return name; }, [] { return QString(); },
                               [](const QString&, const QStringList&) {
                                   return true;
                               }};
    DesktopSpreadsheets spreadsheets(lookup, folder.path());
    NoMessages messages;
    FakePointer pointer;
    const SystemProcess process;
    QtEventPump events(process);
    for (auto _ : state) {
        ErrorTrap trap(messages, QStringLiteral("Bench"), QStringLiteral("XlsxExport"));
        SendResultsToSpreadsheet(list, spreadsheets, messages, pointer, events, trap);
    }
}

}  // namespace

BENCHMARK(TextExport)->Arg(Rows)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(XlsxExport)->Arg(Rows)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
