// The folder of the running program's own file, also for a tool that makes no application
// object. ProgramFolder_linux.cpp and ProgramFolder_windows.cpp ask the system for it.
#pragma once

#include <QString>

QString RunningProgramFolder();
