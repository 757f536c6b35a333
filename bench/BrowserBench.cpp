// The browser's two loads run headless through the window's own handlers, with the real
// settings file (the full load reads it once per row) and the window shown, so that the list
// view's own work and memory count too.
#include "app/DesktopServices.h"
#include "bench/RiddleFiles.h"
#include "browser/Form3.h"
#include "store/Connection.h"
#include "store/RiddleFile.h"
#include "tests/support/FakePlatform.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// Resident memory in bytes, from /proc.
double ResidentBytes() {
    QFile status(QStringLiteral("/proc/self/statm"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QList<QByteArray> fields = status.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * 4096 : 0;
}

struct Browser {
    explicit Browser(qint64 riddles) {
        connection.Open(RiddleFile::ConnectionString(GeneratedRiddleFile(riddles)));
        form = std::make_unique<Form3>(
            desktop.ForWorkingWindow(messages, Files(folder.path()), &connection, [] {}));
        form->Form_Load();
        form->show();
    }

    QTemporaryDir folder;
    DesktopServices desktop{folder.path()};
    NoMessages messages;
    Connection connection;
    std::unique_ptr<Form3> form;
};

void BrowserShowAll(benchmark::State& state) {
    Browser browser(state.range(0));
    for (auto _ : state) {
        const double before = ResidentBytes();
        browser.form->PushButton3_Click();
        QCoreApplication::processEvents();  // the list view lays out its rows
        state.counters["grown_MB"] = (ResidentBytes() - before) / 1e6;
    }
    state.counters["rows"] = browser.form->List().Count();
}

// "Start Displaying" with a count; the first query, which prepares the store's row keys, is
// left out.
void BrowserDisplay(benchmark::State& state, const char* count) {
    Browser browser(state.range(0));
    browser.form->findChild<QLineEdit*>(QStringLiteral("Text1"))
        ->setText(QString::fromLatin1(count));
    browser.form->PushButton1_Click();
    for (auto _ : state) {
        browser.form->PushButton1_Click();
        QCoreApplication::processEvents();
    }
    state.counters["rows"] = browser.form->List().Count();
}

}  // namespace

// Each repetition loads a freshly opened window once, as a user's first click does.
BENCHMARK(BrowserShowAll)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5);
BENCHMARK_CAPTURE(BrowserDisplay, 50, "50")->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BrowserDisplay, 999999, "999999")
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
