// The C runtime opens standard output in text mode, which writes "\n" as "\r\n".
#include "store/StandardOutput.h"

#include <cstdio>

#include <fcntl.h>
#include <io.h>

void MakeStandardOutputBinary() {
    _setmode(_fileno(stdout), _O_BINARY);
}
