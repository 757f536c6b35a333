// Standard output as the reader's stream needs it: bytes as written. Windows would turn every
// newline byte into two; BinaryOutput_posix.cpp and BinaryOutput_windows.cpp say what it takes.
#pragma once

void MakeStandardOutputBinary();
