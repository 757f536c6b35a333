// POSIX systems write standard output's bytes as they are, and pass file names as bytes.
#include "store/legacy/reader/ReaderPlatform.h"

void MakeStandardOutputBinary() {}

std::string FileArgument(char** argv) {
    return argv[1];
}
