// Windows names the running program's file through its module handle.
#include "store/legacy/ProgramFolder.h"

#include <QFileInfo>

#include <vector>

#include <windows.h>

QString RunningProgramFolder() {
    // Long paths may exceed MAX_PATH: grow until the whole name fits.
    std::vector<wchar_t> name(MAX_PATH);
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()))) ==
           name.size()) {
        name.resize(name.size() * 2);
    }
    return QFileInfo(QString::fromWCharArray(name.data(), static_cast<qsizetype>(length)))
        .absolutePath();
}
