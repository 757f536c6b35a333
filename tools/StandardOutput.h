// Standard output as the dump writes it, the same bytes on every system: StandardOutput_posix.cpp
// and StandardOutput_windows.cpp.
#pragma once

// Windows would write every newline byte as two, and a dump would no longer read back as the
// text file it was made from.
void MakeStandardOutputBinary();
