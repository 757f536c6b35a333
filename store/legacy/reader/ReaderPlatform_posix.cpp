// POSIX systems pass file names as the bytes they are.
#include "store/legacy/reader/ReaderPlatform.h"

std::string FileArgument(char** argv) {
    return argv[1];
}
