// POSIX systems write standard output's bytes as they are.
#include "store/StandardOutput.h"

void MakeStandardOutputBinary() {}
