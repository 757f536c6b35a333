// POSIX systems write standard output's bytes as they are.
#include "store/legacy/reader/BinaryOutput.h"

void MakeStandardOutputBinary() {}
