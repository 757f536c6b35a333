// Benchmark files live in QUORVANE_BENCH_DATA, or in bench-data under the working folder.
#include "bench/RiddleFiles.h"

#include "store/RiddleFile.h"
#include "tools/RiddleCommands.h"

#include <QDir>
#include <QFileInfo>

QString GeneratedRiddleFile(qint64 count) {
    const QString folder = qEnvironmentVariableIsSet("QUORVANE_BENCH_DATA")
                               ? qEnvironmentVariable("QUORVANE_BENCH_DATA")
                               : QDir::current().filePath(QStringLiteral("bench-data"));
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(QStringLiteral("riddles-%1.mdb").arg(count));
    if (!QFileInfo::exists(path)) {
        GenerateRiddleFile(count, path, 1, RiddleFile::Password);
    }
    return path;
}
