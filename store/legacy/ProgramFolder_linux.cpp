// Linux names the running program's file in /proc.
#include "store/legacy/ProgramFolder.h"

#include <QFileInfo>

QString RunningProgramFolder() {
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath())
        .absolutePath();
}
