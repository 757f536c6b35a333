// POSIX systems write bytes as they are given.
#include "tools/StandardOutput.h"

void MakeStandardOutputBinary() {}
