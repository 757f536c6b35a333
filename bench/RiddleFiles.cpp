// Benchmark files live in QUORVANE_BENCH_DATA, or in bench-data beside the benchmark program,
// wherever it is started from.
#include "bench/RiddleFiles.h"

#include "store/RiddleFile.h"
#include "tools/RiddleCommands.h"

#include <QDir>
#include <QFileInfo>

QString GeneratedRiddleFile(qint64 count) {
    const QString folder =
        qEnvironmentVariableIsSet("QUORVANE_BENCH_DATA")
            ? qEnvironmentVariable("QUORVANE_BENCH_DATA")
            : QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(u'/', 0, -2) +
                  QStringLiteral("/bench-data");
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(QStringLiteral("riddles-%1.mdb").arg(count));
    if (!QFileInfo::exists(path)) {
        GenerateRiddleFile(count, path, 1, RiddleFile::Password);
    }
    return path;
}
