// What the reader needs of the system it runs on: ReaderPlatform_posix.cpp and
// ReaderPlatform_windows.cpp say what each takes.
#pragma once

#include <string>

// The file named on the command line, as libmdb's fopen takes it. Windows hands programs their
// arguments in the ANSI code page, which cannot name every file.
std::string FileArgument(char** argv);
