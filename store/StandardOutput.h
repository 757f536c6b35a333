// Standard output writing bytes as written, for the programs whose output is read back: the
// reader's row stream and the riddle tool's dump. Windows would write every newline byte as two;
// StandardOutput_posix.cpp and StandardOutput_windows.cpp say what each system takes. Plain C++,
// as the reader links no Qt.
#pragma once

void MakeStandardOutputBinary();
